#pragma once

#include <QList>
#include <functional>

// Where the items of an exercise list go on the printed pages: in columns
// across the page, each column filled top to bottom, then the next page.
// All lengths are in the printer's unit.
struct Kolumnsida {
    double marginal = 0;     // left margin and gap between columns: page width / 12
    double topp = 0;         // top margin: page height / 16
    double radsteg = 0;      // from one item to the next: 3 x the line height
    double kolumnbredd = 0;  // the widest item's width
    int kolumner = 1;
    int rader = 1;           // items per column
    int sidor = 0;
    bool foerBred = false;   // the widest item does not fit a column: one column, cut at the edge
};

// The page layout for `antal` items whose widest is `bredast` wide, printed
// in lines `radhoejd` high.
Kolumnsida beraeknaKolumnsida(double sidbredd, double sidhoejd, double bredast, double radhoejd,
                              int antal);

struct Placering {
    int sida;  // from 1
    double x;
    double y;
};

// The page and position of the k-th printed item (from 0).
Placering placering(const Kolumnsida& sida, int k);

// The print order of `antal` items: list order, or shuffled with `slump`
// (a number from 0 up to but not including 1) as each position in turn
// changes place with a random one.
QList<int> utskriftsordning(int antal, bool slumpad, const std::function<double()>& slump);
