#include "platform/HelaFiler.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace HelaFiler {

LaestFil laes(const QString& soekvaeg, qint64 stoersta)
{
    LaestFil resultat;
    if (soekvaeg.isEmpty() || !QFileInfo(soekvaeg).isFile())
        return resultat;
    QFile fil(soekvaeg);
    if (!fil.open(QIODevice::ReadOnly))
        return resultat;
    resultat.status = Laesning::KundeInteLaesas;
    if (fil.size() > stoersta)
        return resultat;
    // The size may have grown since it was asked: never read past the bound.
    resultat.bytes = fil.read(stoersta + 1);
    if (fil.error() != QFileDevice::NoError || resultat.bytes.size() > stoersta) {
        resultat.bytes.clear();
        return resultat;
    }
    resultat.status = Laesning::Laest;
    return resultat;
}

bool skriv(const QString& soekvaeg, const QByteArray& bytes, QString* orsak)
{
    // Unbuffered, so a write the disk cuts short (full, or over a size
    // limit) shows as a short count here instead of vanishing in a flush
    // that commit() would not report, which would leave a cut-off file.
    QSaveFile fil(soekvaeg);
    const bool ok = fil.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && fil.write(bytes) == bytes.size()
                    && fil.commit();
    if (!ok && orsak)
        *orsak = fil.errorString();
    return ok;
}

}  // namespace HelaFiler
