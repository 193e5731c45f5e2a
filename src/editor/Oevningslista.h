#pragma once

#include <QString>
#include <QStringList>

// What the exercise editor does to its list and its file names, without a
// window.

enum class Sorteringsordning { Stigande = 0, Fallande = 1, IOordning = 2 };

// The lines in Swedish alphabetical order (å, ä, ö after z, case ignored),
// in the reverse of that order, or shuffled. Equal lines keep their order
// when ascending.
QStringList SorteradeRader(const QStringList& rader, Sorteringsordning ordning);

// The open dialog's filter (the five types, then all of them) and the save
// dialog's filters: one for "Glosor med ljud", one for the other four types.
extern const QString OeppnaFilter;
extern const QString SparaSomFilter;
extern const QString SparaSomFilterLjud;

// The filter to start on for a type name; 0 for an empty or unknown name.
int OeppnaFilterIndex(const QString& typNamn);
int SparaSomFilterIndex(const QString& typNamn);

// A saved exercise must end in its type's ending, or the file selector
// never shows it. A path that ends in none of the five gets the ending of
// the filter chosen in the save dialog.
QString MedTypaendelse(const QString& soekvaeg, bool glosorMedLjud, int filterIndex);

// The editor opens, saves and deletes only exercise files: a path ending in
// one of the five endings that is not the program's settings file under
// another name (a link to it). The dialogs let any name be typed.
bool AerOevningsfil(const QString& soekvaeg);

// What the teacher is told of a path that is no exercise file.
QString IngenOevningsfilText(const QString& soekvaeg);

// The type name of the editor's "Ny" menu entry 0..4 (Rättstavning,
// Ordkunskap, Glosor, Glosor med ljud, Övrigt) and that entry's caption.
QString NyTypNamn(int index);
QString NyTypText(int index);
