#pragma once

#include <QString>
#include <vector>

// One exercise item: the word, its pronunciation (text or sound reference),
// the explanation and the explanation's pronunciation.
struct Uppgift {
    QString Ord;
    QString OrdUttal;
    QString Foerklaring;
    QString FoerklaringUttal;

    // Fields by their number 1..4, as the exercise line orders them.
    QString& falt(int nummer);
    const QString& falt(int nummer) const;

    bool operator==(const Uppgift& other) const = default;
};

using Uppgiftslista = std::vector<Uppgift>;
