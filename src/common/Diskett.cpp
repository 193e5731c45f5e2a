#include "common/Diskett.h"

#include "common/Ansi1252.h"
#include "common/LoggbokFil.h"
#include "platform/HelaFiler.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// More logbooks of one second than a school's folder ever gets; a folder
// with all of them taken counts as a full diskette.
constexpr int StoerstaLoggbokNummer = 1000;

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
    // Programs sharing the folder (a school's) may end in the same second:
    // each takes the first name nothing has yet.
    for (int nummer = 1; nummer <= StoerstaLoggbokNummer; ++nummer) {
        switch (HelaFiler::skrivNy(*enhet + loggbokFilnamn(tidpunkt, nummer), bytes)) {
        case HelaFiler::NyFil::Skriven:
            return true;
        case HelaFiler::NyFil::NamnetTaget:
            break;
        case HelaFiler::NyFil::Misslyckades:
            return false;
        }
    }
    return false;
}

}  // namespace Diskett
