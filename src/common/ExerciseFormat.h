#pragma once

#include "common/Uppgift.h"

#include <QString>

// The one-line form of an exercise item and the ways it is taken apart.

// The canonical line: the word; "[" pronunciation "]" when there is one;
// " (" explanation ")" when there is one, followed by "[" its pronunciation
// "]" when that too is there. The explanation's pronunciation is never
// written without the explanation.
QString OevningsRad(const Uppgift& uppgift);

// The training window loader's reading of a line: a scan over the
// delimiters, then each field cleaned with RensaFaelt. Whatever follows the
// "]" that closes the fourth field is ignored.
Uppgift LaesInOevningTolkaRad(const QString& rad);

// The item window's reading of a line into its four boxes, uncleaned.
// Nothing ends the scan early; a blank before "(" is dropped.
Uppgift RedigeraTolkaRad(const QString& rad);
