#pragma once

#include "common/Uppgift.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The rules of a run that need no window: building and shuffling the run
// list, letter matching, the alternative-word search of a Test run, the
// wrong-word list, the summary texts, the status line and the speech wait.

// The rows of a new run and how many loaded rows were left out because they
// lack an explanation (the count the pupil is told about).
struct Koerlista {
    Uppgiftslista rader;
    int utanFoerklaring = 0;
};

// The training window lays a word out on 101 letter labels and an
// explanation on as many character labels (elements 0 to 100).
constexpr int EtiketterPerText = 101;

// Whether the row's word and explanation each fit on their labels. A row
// that does not cannot be shown and takes no part in a run; the exercise
// itself keeps it.
bool RadFaarPlats(const Uppgift& rad);

// Builds the run list from the loaded rows. A Normal Pluvo or Läs run takes
// every row; Omvänd and Test take the rows with an explanation, Omvänd with
// word and explanation (and their pronunciations) exchanged. A row that would
// have nothing to type, or that does not fit on the labels, is left out too,
// but not counted as lacking an explanation.
Koerlista byggKoerlista(const Uppgiftslista& oevning, int tillstaand, bool omvaend);

// A uniform random number in [0, 1).
using Slumpkaella = std::function<double()>;

// A random source seeded from the clock.
Slumpkaella klockseedadSlump();

// Shuffles the rows: each position in turn, from the first, swaps with
// another randomly drawn position. Fewer than two rows are left alone.
// Without a source, one seeded from the clock is used.
void BlandaOrdlista(Uppgiftslista& lista, const Slumpkaella& slump = {});

// The plain key accepted for an accented expected letter ("é" takes "e",
// "æ" takes "ä", "µ" takes "u"), or a null QChar when there is none.
QChar AccentTabell(QChar vaentat);

// Whether the typed character counts as the expected letter. Case always
// matters; without exact matching the accent table applies.
bool TeckenGodtas(QChar skrivet, QChar vaentat, bool exaktMatchning);

// In a Test run: whether another word with the same explanation as the
// current row has the typed character first at `position` (0-based).
bool SoekAlternativOrd(const Uppgiftslista& testOrdlista, const Uppgift& aktuell, QChar skrivet,
                       int position);

// The exercise line of a row typed wrong: word[f2] (f3)[f4], each part only
// when its field is not empty.
QString FelordRad(const Uppgift& rad);

// Adds the line unless the list holds it already; true when it was added.
bool LaeggTillFelord(QStringList& felord, const QString& rad);

// The Kvar figure of a Pluvo or Test run: rows left in this pass, the
// current one included, plus the rows already kept for the next pass.
int KvarFigur(int omgaangStorlek, int aktuelltOrd, int felIOmgaang);

// Words left when a Läs run is aborted: the rows of the pass from the
// current one on. A Läs run keeps no fact line to read this from.
int KvarILaesning(int omgaangStorlek, int aktuelltOrd);

// Words done when a run is aborted: the first pass's size less the Kvar
// figure, plus the current word when it has already been counted wrong.
int AvklaradeOrd(int antalUppgifter, int kvar, bool ordFelRaeknat);

// The message shown when a run is aborted; `oeverhoppat` when a word was
// passed over in the run ("tränat" instead of "pluvot").
QString AvbrottsSammanfattning(int avklarade, int kvar, bool oeverhoppat);

// The message shown when a run is finished; `antalUppgifter` is the first
// pass's size.
QString SlutSammanfattning(int antalUppgifter, bool oeverhoppat);

// The message about rows left out for lacking an explanation.
QString SaknadFoerklaringText(int antal);

// The fact line as one sentence to read aloud: each caption loses its last
// character and gets a comma, each number gets a full stop.
QString StatusradText(const std::array<QString, 6>& fakta);

// Milliseconds to wait before the queued second text is spoken: the voice's
// rate value times the delay factor (the factor times 150 when that is 0),
// per character of the first text.
float PratVaentan(int talTempo, float faktor, int antalTecken);

// Seconds after the first text until the second one is due.
double PratFoerdroejning(float pratVaentan);
