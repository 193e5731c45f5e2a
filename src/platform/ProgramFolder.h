#pragma once

#include <QString>

// The program folder: the folder the program file lies in, with a trailing
// "/". Sample exercises and sounds referenced with a leading "\" live here.
namespace ProgramMapp {

QString vaeg();

// For tests: use this folder instead (empty restores the real one).
void saett(const QString& mapp);

}  // namespace ProgramMapp
