#include "common/UrsprungligMapp.h"

#include "common/ExerciseFile.h"
#include "common/OevningsNamn.h"
#include "platform/HelaFiler.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void kopieraSaknade(const QString& fraan, const QString& till)
{
    for (const QFileInfo& fil : QDir(fraan).entryInfoList(QDir::Files)) {
        const QFileInfo maal(till + fil.fileName());
        if (OevningsTypFraanFil(fil.fileName()).isEmpty() || maal.exists() || maal.isSymLink())
            continue;
        const HelaFiler::LaestFil oevning = HelaFiler::laes(fil.filePath(), StoerstaOevningsfil);
        if (oevning.status == HelaFiler::Laesning::Laest)
            HelaFiler::skriv(maal.filePath(), oevning.bytes);
    }
}

}  // namespace

QString UrsprungligOevningsmapp()
{
    const QString program = ProgramMapp::vaeg();
    if (QFileInfo(program).isWritable())
        return program;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString egen = data + QStringLiteral("/MOLVI Pluvo/Övningar/");
    if (data.isEmpty() || !QDir().mkpath(egen))
        return program;
    kopieraSaknade(program, egen);
    return egen;
}
