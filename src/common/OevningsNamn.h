#pragma once

#include <QString>

// The type and the bare name of an exercise, read from its file path alone.

// "Rättstavning", "Ordkunskap", "Glosor", "Övrigt" or "Glosor med ljud" by the
// last three characters of the path in any case; an empty text for any other
// ending.
QString OevningsTypFraanFil(const QString& Soekvaeg);

// The type name of OevningsTyp 1 to 5, or an empty text for any other number.
QString OevningsTypNamn(int typ);

// OevningsTyp of a type name: 1 to 5, or 0 for an empty or unknown name.
int OevningsTypNummer(const QString& typNamn);

// The ending of a type's files with its dot (".rtt" for 1 ... ".gls" for 5),
// or an empty text for no type.
QString OevningsTypAendelse(int typ);

// The file name without its folder and without its last four characters
// (the dot and the three-letter ending). Folders end at "\" and, on this
// system, also at "/". A name of four characters or fewer has no name part
// and gives an empty text.
QString OevningsNamnAvSoekvaeg(const QString& Soekvaeg);
