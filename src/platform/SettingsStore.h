#pragma once

#include <QList>
#include <QString>
#include <optional>

// The program's settings file, standing in for the per-user registry area of
// the application "MOLVI Pluvo". Values are plain text, read and written
// exactly as stored; sections and keys are case-sensitive.
//
// Only a regular file (behind links too) of a settings file's size is read
// and written. When the file is something else (a pipe, a device, a link to
// one, a huge file), it is never opened: the settings then start from their
// defaults and live in memory for the program run. The same holds for the
// lock file taken beside it while it is written ("Pluvo.ini.lock"), which
// must be missing or a regular file of its own: otherwise the file is read,
// and what is stored lives in memory.
namespace SettingsStore {

// The stored text, or nothing when the key is missing.
std::optional<QString> las(const QString& sektion, const QString& nyckel);

// The stored text, or `standard` when the key is missing.
QString GetSetting(const QString& sektion, const QString& nyckel, const QString& standard);

struct Nyckelvaerde {
    QString sektion;
    QString nyckel;
    QString varde;
};

// Stores the texts, all or none. False when the file could not be written:
// the file, and what is read from it, then stay as they were. In memory
// (see above) they are kept for the program run, and that counts as stored.
bool SaveSettings(const QList<Nyckelvaerde>& vaerden);
bool SaveSetting(const QString& sektion, const QString& nyckel, const QString& varde);

// How many stores have failed in this program run.
int antalSkrivfel();

// True when the settings live in memory because the file or its lock is
// unusable.
bool iMinnet();

// The file that makes them live there (the settings file or a lock beside
// it), or nothing.
QString oanvaendbarFil();

// Where the settings live: $XDG_CONFIG_HOME/MOLVI Pluvo/Pluvo.ini.
QString filnamn();

}  // namespace SettingsStore
