#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace SettingsStore {
namespace {

// Far more than every setting of the program together.
constexpr qint64 StoerstaFil = 1024 * 1024;

int& skrivfel()
{
    static int antal = 0;
    return antal;
}

// The settings of a program run whose file cannot be used.
QHash<QString, QString>& minnet()
{
    static QHash<QString, QString> vaerden;
    return vaerden;
}

QString nyckelVaeg(const QString& sektion, const QString& nyckel)
{
    return sektion + "/" + nyckel;
}

// Missing, or a regular file of a settings file's size. Asked before every
// use, as QSettings reads a file as soon as it is made, and a pipe would
// hold it up for good. What memory holds is what was stored while the file
// could not be used.
bool brukbar()
{
    const QFileInfo info(filnamn());
    const bool ok = info.exists() ? info.isFile() && info.size() <= StoerstaFil : !info.isSymLink();
    if (ok)
        minnet().clear();
    return ok;
}

QSettings oeppna()
{
    return QSettings(filnamn(), QSettings::IniFormat);
}

// QSettings writes its file through a buffered save, and a write that a
// full disk or a size limit cuts short there goes unnoticed: the settings
// file would be replaced by a cut-off one. A file it cannot write is not
// always reported either (a file it found garbled keeps that as its
// status). So the write is made sure of first: the file may be replaced,
// and a checked write of a file at least as large fits beside it.
bool rumFoerNyFil(qint64 tillaegg)
{
    const QString fil = filnamn();
    if (!QDir().mkpath(QFileInfo(fil).absolutePath()) || (QFileInfo::exists(fil) && !QFileInfo(fil).isWritable()))
        return false;
    const QByteArray plats(2 * QFileInfo(fil).size() + tillaegg + 4096, '\n');
    // A new file of its own, never one a link points to.
    QFile prov(fil + QStringLiteral(".plats"));
    prov.remove();
    const bool ok = prov.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
                    && prov.write(plats) == plats.size();
    prov.remove();
    return ok;
}

}  // namespace

std::optional<QString> las(const QString& sektion, const QString& nyckel)
{
    const QString vaeg = nyckelVaeg(sektion, nyckel);
    if (!brukbar()) {
        const auto i = minnet().constFind(vaeg);
        return i == minnet().cend() ? std::nullopt : std::optional<QString>(*i);
    }
    QSettings s = oeppna();
    if (!s.contains(vaeg))
        return std::nullopt;
    const QVariant v = s.value(vaeg);
    // A hand-edited value with an unquoted comma comes back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(",");
    return v.toString();
}

QString GetSetting(const QString& sektion, const QString& nyckel, const QString& standard)
{
    return las(sektion, nyckel).value_or(standard);
}

bool SaveSettings(const QList<Nyckelvaerde>& vaerden)
{
    if (!brukbar()) {
        for (const Nyckelvaerde& v : vaerden)
            minnet().insert(nyckelVaeg(v.sektion, v.nyckel), v.varde);
        return true;
    }
    qint64 tillaegg = 0;
    for (const Nyckelvaerde& v : vaerden)
        tillaegg += 6 * (v.sektion.size() + v.nyckel.size() + v.varde.size() + 4);
    if (!rumFoerNyFil(tillaegg)) {
        ++skrivfel();
        return false;
    }

    QSettings s = oeppna();
    QList<std::optional<QVariant>> foerra;
    for (const Nyckelvaerde& v : vaerden) {
        const QString vaeg = nyckelVaeg(v.sektion, v.nyckel);
        foerra.append(s.contains(vaeg) ? std::optional<QVariant>(s.value(vaeg)) : std::nullopt);
        s.setValue(vaeg, v.varde);
    }
    s.sync();
    // A garbled file reads as FormatError; only AccessError is the write.
    if (s.status() != QSettings::AccessError)
        return true;

    // What is read stays what the file holds.
    for (qsizetype i = 0; i < vaerden.size(); ++i) {
        const QString vaeg = nyckelVaeg(vaerden[i].sektion, vaerden[i].nyckel);
        if (foerra[i])
            s.setValue(vaeg, *foerra[i]);
        else
            s.remove(vaeg);
    }
    ++skrivfel();
    return false;
}

bool SaveSetting(const QString& sektion, const QString& nyckel, const QString& varde)
{
    return SaveSettings({{sektion, nyckel, varde}});
}

int antalSkrivfel()
{
    return skrivfel();
}

bool iMinnet()
{
    return !brukbar();
}

QString filnamn()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/MOLVI Pluvo/Pluvo.ini");
}

}  // namespace SettingsStore
