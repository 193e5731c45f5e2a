#pragma once

#include "trainer/HaallenTangent.h"

#include <QWidget>

class FrmPluvo;

// The invisible key catcher that holds the focus in the training window:
// typed characters go to the window's key funnel as character codes, and
// the arrows, PageUp and F9 to its key-down handler. It accepts
// input-method text, so dead keys and compose sequences type too.
class TangentFaangare : public QWidget {
    Q_OBJECT
public:
    // Stands on `yta`, the window's usable area, like every other control.
    TangentFaangare(FrmPluvo* foenster, QWidget* yta);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery fraaga) const override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void skickaText(const QString& text);

    FrmPluvo* m_foenster;
    HaallenTangent m_haallen;
    // The window's guard as it stood before the last release let through,
    // for a release that turns out to be a repeat's.
    bool m_nereFoereSlaepp = false;
};
