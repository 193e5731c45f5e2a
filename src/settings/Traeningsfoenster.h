#pragma once

#include <QColor>
#include <QCursor>
#include <QString>

// What the settings windows may read from and change on the training
// window. The training window implements it, so the settings windows never
// need to know that window itself.
class Traeningsfoenster {
public:
    virtual ~Traeningsfoenster() = default;

    // --- The looks the font sample copies ---
    virtual QColor bakgrundsfaerg() const = 0;
    virtual QColor ordfaerg() const = 0;
    // The font name of the word letters, as it was set (an alias such as
    // "Arial" stays "Arial").
    virtual QString ordFontnamn() const = 0;
    // The height of one word letter, in pixels.
    virtual int ordHoejd() const = 0;
    // The pointer the menu items show.
    virtual QCursor menyPekare() const = 0;

    // --- The one-key timer ---
    virtual bool enTangentPaa() const = 0;
    virtual void saettEnTangentPaa(bool paa) = 0;
    virtual int enTangentIntervall() const = 0;  // milliseconds
    virtual void saettEnTangentIntervall(int millisekunder) = 0;

    // --- Applying a changed setting ---
    // Recolours the window with a colour scheme 0..5.
    virtual void saettFaergStil(int stil) = 0;
    // Gives the word letters, the explanation characters and the cursor bar
    // this font, plain, at the size that fits the screen as at start-up,
    // found 2 points at a time from `storlek`.
    virtual void saettOrdFont(const QString& namn, double storlek) = 0;
    // Shows or hides the letter board for the current state and method.
    virtual void visaTavla() = 0;
    // Gives the clickable controls the pointer the settings ask for.
    virtual void saettMuspekare() = 0;
    // Redraws the window.
    virtual void uppdatera() = 0;
};
