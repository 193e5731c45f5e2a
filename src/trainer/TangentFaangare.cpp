#include "trainer/TangentFaangare.h"

#include "common/Ansi1252.h"
#include "trainer/FrmPluvo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

// Keys that type no character, by the key codes the window works with.
int tangentkod(int qtTangent)
{
    switch (qtTangent) {
    case Qt::Key_PageUp: return 33;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_F9: return 120;
    default: return 0;
    }
}

// Keys whose character code is fixed whatever text they carry.
int styrkod(int qtTangent)
{
    switch (qtTangent) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: return 0;
    }
}

// Ctrl, Alt or Super with a key is a command, not typing. Characters made
// with AltGr still type: X reports AltGr as a group switch, and systems that
// report it as Ctrl and Alt together send both.
bool kommandotangent(Qt::KeyboardModifiers mod)
{
    if (mod & Qt::MetaModifier)
        return true;
    const bool ctrl = mod & Qt::ControlModifier;
    const bool alt = mod & Qt::AltModifier;
    return ctrl != alt;
}

}  // namespace

TangentFaangare::TangentFaangare(FrmPluvo* foenster, QWidget* yta) : QWidget(yta), m_foenster(foenster)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, true);
}

void TangentFaangare::keyPressEvent(QKeyEvent* e)
{
    const int utanTecken = tangentkod(e->key());
    switch (m_haallen.tryckt(*e)) {
    case HaallenTangent::Tryck::UpprepningEfterSlaepp:
        // The release before this press let nothing go.
        m_foenster->TangentNere = m_nereFoereSlaepp;
        [[fallthrough]];
    case HaallenTangent::Tryck::Upprepning:
        // A held key keeps its guard, even when its first press was handled
        // before a window above this one closed. The arrows, PageUp and F9
        // set none, so a held arrow steps the board on and on.
        if (!utanTecken)
            m_foenster->TangentNere = true;
        break;
    case HaallenTangent::Tryck::Nytt:
        break;
    }
    if (utanTecken) {
        m_foenster->picTaTangent_KeyDown(utanTecken);
        return;
    }
    if (const int kod = styrkod(e->key())) {
        m_foenster->Form_KeyPress(kod);
        return;
    }
    if (kommandotangent(e->modifiers()))
        return;
    skickaText(e->text());
}

void TangentFaangare::keyReleaseEvent(QKeyEvent* e)
{
    if (!m_haallen.slaeppt(*e))
        return;
    m_nereFoereSlaepp = m_foenster->TangentNere;
    if (const int kod = tangentkod(e->key()))
        m_foenster->picTaTangent_KeyUp(kod);
    else
        m_foenster->Form_KeyUp();
}

void TangentFaangare::inputMethodEvent(QInputMethodEvent* e)
{
    skickaText(e->commitString());
    e->accept();
}

QVariant TangentFaangare::inputMethodQuery(Qt::InputMethodQuery fraaga) const
{
    if (fraaga == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(fraaga);
}

void TangentFaangare::skickaText(const QString& text)
{
    for (const QChar tecken : text) {
        // Delete and Ctrl+letter carry control characters, which type nothing.
        if (tecken.category() == QChar::Other_Control)
            continue;
        const int kod = ansiCode(tecken);
        if (kod > 0)
            m_foenster->Form_KeyPress(kod);
    }
}
