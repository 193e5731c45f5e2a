#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace SettingsStore {
namespace {

QSettings oeppna()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "MOLVI Pluvo", "Pluvo");
}

QString nyckelVaeg(const QString& sektion, const QString& nyckel)
{
    return sektion + "/" + nyckel;
}

}  // namespace

std::optional<QString> las(const QString& sektion, const QString& nyckel)
{
    QSettings s = oeppna();
    const QString vaeg = nyckelVaeg(sektion, nyckel);
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

bool SaveSetting(const QString& sektion, const QString& nyckel, const QString& varde)
{
    QSettings s = oeppna();
    s.setValue(nyckelVaeg(sektion, nyckel), varde);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString filnamn()
{
    return oeppna().fileName();
}

}  // namespace SettingsStore
