#pragma once

#include <QString>

// The program's title and version, as captions, headers and the logbook
// show them.
namespace Program {

inline const QString Titel = QStringLiteral("Pluvo");
constexpr int Major = PLUVO_VERSION_MAJOR;
constexpr int Minor = PLUVO_VERSION_MINOR;
constexpr int Revision = PLUVO_VERSION_PATCH;

// "Pluvo 7.0": the training window's caption.
inline QString Rubrik()
{
    return Titel + " " + QString::number(Major) + "." + QString::number(Minor);
}

// "Version 7.0.7": the splash and About windows.
inline QString VersionText()
{
    return "Version " + QString::number(Major) + "." + QString::number(Minor) + "." + QString::number(Revision);
}

}  // namespace Program
