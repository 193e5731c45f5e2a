#pragma once

#include <QString>

// Whether `kod` is the code for the lock's next step: unlocking when
// `InstLaast` is 1, locking otherwise. The whole text counts, letter case
// too.
bool LaaskodRaett(const QString& kod, int InstLaast);

// Whether `namn` reads as a first and a last name: more than four
// characters, at least two of them before the first blank, and something
// after it.
bool NamnGodkaent(const QString& namn);
