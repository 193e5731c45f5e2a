#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace SettingsStore {
namespace {

// Far more than every setting of the program together.
constexpr qint64 StoerstaFil = 1024 * 1024;

// Far longer than another program's write holds the lock.
constexpr int LaengstaLaasvaentan = 2000;

int& skrivfel()
{
    static int antal = 0;
    return antal;
}

// What is stored while the settings file or its lock cannot be used.
QHash<QString, QString>& minnet()
{
    static QHash<QString, QString> vaerden;
    return vaerden;
}

QString nyckelVaeg(const QString& sektion, const QString& nyckel)
{
    return sektion + "/" + nyckel;
}

QString laasfil()
{
    return filnamn() + QStringLiteral(".lock");
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

// QSettings waits for its lock with no time limit, and a stale lock it
// cannot remove (one that is read-only to us) would hold the write up for
// good. So the lock is taken here first, for a while at most, with the same
// handling of stale locks; QSettings then finds it free.
bool laasetLedigt()
{
    QLockFile laas(laasfil());
    return laas.tryLock(LaengstaLaasvaentan);
}

}  // namespace

std::optional<QString> las(const QString& sektion, const QString& nyckel)
{
    const QString vaeg = nyckelVaeg(sektion, nyckel);
    const QString hinder = oanvaendbarFil();
    if (!hinder.isEmpty()) {
        const auto i = minnet().constFind(vaeg);
        if (i != minnet().cend())
            return *i;
        // Beside a lock that cannot be used the file is still read.
        if (hinder == filnamn())
            return std::nullopt;
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
    if (iMinnet()) {
        for (const Nyckelvaerde& v : vaerden)
            minnet().insert(nyckelVaeg(v.sektion, v.nyckel), v.varde);
        return true;
    }
    qint64 tillaegg = 0;
    for (const Nyckelvaerde& v : vaerden)
        tillaegg += 6 * (v.sektion.size() + v.nyckel.size() + v.varde.size() + 4);
    if (!rumFoerNyFil(tillaegg) || !laasetLedigt()) {
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
    return !oanvaendbarFil().isEmpty();
}

// Each must be missing or a regular file of a settings file's size; only
// the settings file may lie behind a link. Asked before every use: QSettings
// reads its file as soon as it is made, and before a write it reads the lock
// it finds beside it, then the lock that guards that one's removal, and so
// on. A pipe would hold either up for good, a directory or a link the write.
// What memory holds is what was stored while one of them could not be used.
QString oanvaendbarFil()
{
    const QFileInfo fil(filnamn());
    if (fil.exists() ? !fil.isFile() || fil.size() > StoerstaFil : fil.isSymLink())
        return filnamn();
    for (QString vaeg = laasfil();; vaeg += QStringLiteral(".rmlock")) {
        const QFileInfo laas(vaeg);
        if (laas.isSymLink() || (laas.exists() && (!laas.isFile() || laas.size() > StoerstaFil)))
            return vaeg;
        if (!laas.exists())
            break;
    }
    minnet().clear();
    return {};
}

QString filnamn()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/MOLVI Pluvo/Pluvo.ini");
}

}  // namespace SettingsStore
