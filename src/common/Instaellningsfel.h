#pragma once

#include <QString>
#include <functional>

// What the teacher is told when the settings file cannot take a change, in
// the window whose action made it.
namespace Instaellningsfel {

// For a change that is made anyway, in memory.
extern const QString GaellerTillsAvslut;

// "The settings could not be saved in <file>." and what that means.
void visa(const QString& rubrik, const QString& foeljd);

// Runs `handling` and, when any settings write in it failed, says so once.
void medKontroll(const QString& rubrik, const std::function<void()>& handling);

// The settings file, or its lock, is not a file the program can use: it is
// left alone and the settings live in memory.
void visaIMinnet(const QString& rubrik);

}  // namespace Instaellningsfel
