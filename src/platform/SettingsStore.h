#pragma once

#include <QString>
#include <optional>

// The program's settings file, standing in for the per-user registry area of
// the application "MOLVI Pluvo". Values are plain text, read and written
// exactly as stored; sections and keys are case-sensitive.
namespace SettingsStore {

// The stored text, or nothing when the key is missing.
std::optional<QString> las(const QString& sektion, const QString& nyckel);

// The stored text, or `standard` when the key is missing.
QString GetSetting(const QString& sektion, const QString& nyckel, const QString& standard);

// Stores the text. Returns false when the file could not be written; the
// program goes on with its values in memory either way.
bool SaveSetting(const QString& sektion, const QString& nyckel, const QString& varde);

// Where the settings live: $XDG_CONFIG_HOME/MOLVI Pluvo/Pluvo.ini.
QString filnamn();

}  // namespace SettingsStore
