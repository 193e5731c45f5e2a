#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

// The training window's three on-screen menus as tables: each item's caption,
// its hot letter and the key codes that choose it.

enum class Meny { Huvud, NormalOmvaend, Typ };

struct Menyval {
    QString rubrik;
    QChar snabbtangent;  // upper case, as the tooltip shows it
    int kodStor;         // Windows-1252 codes of the hot letter
    int kodLiten;
};

// The items of a menu, from the top (5, 3 and 5 items).
const std::vector<Menyval>& menyval(Meny meny);

// "Pluvo = P": caption, " = " and the hot letter.
QString verktygstips(const Menyval& val);

// The item of the menu that a typed key (Windows-1252 code) chooses, either
// case; none when the key is no hot letter there.
std::optional<int> valFoerTangent(Meny meny, int kod);

// The menu drawn in a program state, none outside the menu states.
std::optional<Meny> menyFoerTillstaand(int tillstaand);
