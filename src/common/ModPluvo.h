#pragma once

#include "common/Uppgift.h"

#include <QColor>
#include <QString>

// The program state Tillstaand and the names of its values.
enum TillstaandsNamn : int {
    Huvudmeny = 0,
    ValPluvo = 1,
    PluvoVisar = 2,
    PluvoSkriver = 3,
    ValLaes = 4,
    Laeser = 5,
    ValTest = 6,
    TestVisar = 7,
    TestSkriver = 8,
    HaemtaMeny = 9,
    ListaRtt = 10,
    ListaOrd = 11,
    ListaGlo = 12,
    ListaTst = 13,
};

// The groups of states the window tests.
inline bool iKoerning(int t)
{
    return t == PluvoVisar || t == PluvoSkriver || t == Laeser || t == TestVisar || t == TestSkriver;
}
inline bool iUndermeny(int t)
{
    return t == ValPluvo || t == ValLaes || t == ValTest;
}
inline bool iFilval(int t)
{
    return t >= ListaRtt && t <= ListaTst;
}

// The shared state of the program run: the settings variables, the loaded
// exercise and the run lists, and the values the windows hand each other.
// There is one instance, reached through modPluvo().
struct ModPluvo {
    // --- Settings (loaded by LaesInstaellningar, written by their windows) ---
    int InstLaast = 0;        // 0 open, 1 locked, 2 view only
    int FaergStil = 0;        // colour scheme 0..5
    bool PipVidFel = false;
    bool TvaaRoester = false;
    float TspKorr = 0;        // speech pause factor, Omvänd runs
    float Tsp2Korr = 0;       // speech pause factor, Normal runs
    bool LaesOevning = false;
    bool LaesMeny = false;
    bool SparaLoggbokDiskett = false;
    bool VaendRtt = false;
    bool VaendOrd = false;
    bool VaendGlo = false;
    bool VaendTst = false;
    bool ExaktMatchning = false;
    bool VisaMedRaderaPluvo = false;
    bool VisaMedRaderaTest = false;
    bool BytMedEnterPluvo = false;
    bool BytMedEnterTest = false;
    bool AutoDoeljPluvo = false;
    bool AutoDoeljTest = false;
    int AutoTid = 0;          // seconds, 1..10
    bool SpaerraRepetition = false;
    bool TavlaPaa = false;
    bool MusStyrning = false;
    bool NaermasteVaeg = false;
    bool KantBegraensning = false;
    bool AnnanMuspekare = false;
    bool SlumpOrdning = false;
    QString OevningsMapp;
    int UtskriftStorlek = 0;
    int UtskriftOrdning = 0;

    // --- Screen ---
    long SkaermHoejd = 0;     // usable height, twips
    long SkaermBredd = 0;     // usable width, twips
    int TavlaHoejd = 0;       // target height of a letter-board cell, twips
    int OrdStorlek = 0;       // font size of the word letters, points

    // --- Program state ---
    int Tillstaand = Huvudmeny;
    bool TalFinns = false;
    int OevningsTyp = 0;      // 0 none, 1 rtt, 2 ord, 3 glo, 4 tst, 5 gls

    // --- The exercise and the run ---
    Uppgiftslista OevningsOrdlista;
    int AntalOrd = 0;
    Uppgiftslista Ordlista;
    Uppgiftslista TestOrdlista;
    Uppgiftslista FelOrdlista;
    int AktuelltOrd = 0;      // 1-based row of the current pass
    bool BlandaKoersel = false;
    bool OrdetVisat = false;
    bool OrdOeverhoppat = false;
    bool EnterTryckt = false;

    // --- Letter board and scanning ---
    int TavlaVal = 0;         // 0..29 a cell, -1 back, -2 next
    QColor MenyFaerg;         // normal colour of menu items and cells
    int SkanningsVaentan = 0; // one-key ticks still to skip

    // --- Messages, sound ---
    QString MeddelandeText;
    QString OeppetLjud;       // quoted path of the open sound, "" when none
    QString MciSvar;          // reply of the last successful sound command

    // --- Item window (kept for the program run, never saved) ---
    bool VisaUttal = false;   // "Visa uttalsbeskrivning" is checked
    QString LjudKatalog;      // folder of the last sound file chosen

    // The current row of the run list. When AktuelltOrd points at no row
    // (no run, or a list that has changed under it) it is an empty row, so
    // drawing and stepping never read outside the list.
    bool harAktuellRad() const;
    const Uppgift& aktuellRad() const;
};

ModPluvo& modPluvo();

// Resets the shared state to a new program run (used by tests).
void nollstaellModPluvo();
