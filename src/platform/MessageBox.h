#pragma once

#include <QString>
#include <functional>

// The standard message box the teacher-facing questions and notices use,
// with Swedish button texts. Tests answer it through a handler instead of a
// modal window.
enum class MsgIkon { Information, Utropstecken, Fraaga };
enum class MsgKnappar { Ok, JaNej, JaNejAvbryt };
enum class MsgSvar { Ok, Ja, Nej, Avbryt };

struct MsgBoxAnrop {
    QString text;
    QString rubrik;
    MsgKnappar knappar;
    MsgIkon ikon;
    MsgSvar standard;
};

MsgSvar MsgBox(const QString& text, MsgKnappar knappar, MsgIkon ikon, const QString& rubrik,
               MsgSvar standard = MsgSvar::Ok);

// Asks before the existing file `soekvaeg` is replaced, Nej first; true
// only for Ja.
bool VillErsaetta(const QString& soekvaeg, const QString& rubrik);

// For tests: every message box goes to this handler (an empty one restores
// the real window).
void saettMsgBoxHanterare(std::function<MsgSvar(const MsgBoxAnrop&)> hanterare);
