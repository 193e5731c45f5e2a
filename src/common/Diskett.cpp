#include "common/Diskett.h"

#include "common/Ansi1252.h"
#include "common/LoggbokFil.h"
#include "platform/HelaFiler.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Windows-1252 bytes of the whole text. A character the code page lacks
// (from an exercise file written as UTF-8) becomes "?", so the rest of the
// logbook is still saved.
QByteArray ansiBytes(const QString& text)
{
    QByteArray bytes;
    QString rest = text;
    for (;;) {
        const AnsiKodning kodad = tillAnsi(rest);
        bytes += kodad.bytes;
        if (kodad.ok())
            return bytes;
        bytes += '?';
        rest = rest.mid(kodad.felIndex + kodad.felTecken.size());
    }
}

}  // namespace

namespace Diskett {

std::optional<QString> mapp()
{
    const QString namngiven = qEnvironmentVariable("PLUVO_DISKETT");
    if (!namngiven.isEmpty()) {
        const QFileInfo info(namngiven);
        if (!info.isDir() || !info.isWritable())
            return std::nullopt;
        return info.absoluteFilePath() + u'/';
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return std::nullopt;
    const QString vaeg = data + QStringLiteral("/MOLVI Pluvo/diskett");
    if (!QDir().mkpath(vaeg))
        return std::nullopt;
    return vaeg + u'/';
}

bool skrivLoggbokFil(const QString& loggbok, const QDateTime& tidpunkt)
{
    const std::optional<QString> enhet = mapp();
    if (!enhet)
        return false;
    const QByteArray bytes = ansiBytes(loggbokFilInnehaall(loggbok, tidpunkt));
    return HelaFiler::skriv(*enhet + loggbokFilnamn(tidpunkt), bytes);
}

}  // namespace Diskett
