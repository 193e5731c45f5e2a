#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The diskette drive "a:\" that logbook files are saved to at exit and that
// the logbook viewer opens them from. On this system it is a folder: the one
// named by the environment variable PLUVO_DISKETT, or else
// "MOLVI Pluvo/diskett" in the user's data folder.
namespace Diskett {

// The drive's folder with a trailing "/", or nothing when there is no
// diskette: a folder named by PLUVO_DISKETT that is missing or not writable
// (it is never created, as a missing diskette cannot be made), or a default
// folder that cannot be created.
std::optional<QString> mapp();

// Writes the logbook file for the exit at `tidpunkt` as a new file: the
// name of that second, or the next one free when another program has
// already saved a logbook in that second. No file is ever replaced, and a
// failed write leaves none behind. The name and the contents come from the
// same clock reading. False when there is no diskette or the write failed.
bool skrivLoggbokFil(const QString& loggbok, const QDateTime& tidpunkt);

}  // namespace Diskett
