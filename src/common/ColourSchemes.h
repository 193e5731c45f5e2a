#pragma once

#include <QColor>
#include <QString>

// The six colour schemes of the training window.
struct FaergSchema {
    QString namn;
    QColor bakgrund;      // the window
    QColor ord;           // the word's letters
    QColor foerklaring;   // the explanation
    QColor meny;          // menu title and current-exercise line
    QColor menyVal;       // a menu item that is not highlighted
};

// Scheme 0..5; an empty (invalid) scheme for any other number.
const FaergSchema* faergSchema(int nummer);
