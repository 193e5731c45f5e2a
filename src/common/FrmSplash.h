#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class VbTimer;

// The start-up picture: logo, title and version. It closes itself on the
// third tick of its one-second timer, or at once on a click or a key, and
// then moves the mouse pointer out of the way.
class FrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    void done(int resultat) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Timer1_Timer();

    QFrame* Frame1;
    QLabel* imgLogo;
    QLabel* lblCompany;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblBeskrivning;
    QLabel* lblWarning;
    VbTimer* Timer1;
    int m_tick = 0;
    bool m_staengd = false;
};

// Shows the splash window modally; returns when it has closed.
void visaSplash(QWidget* parent = nullptr);

// Moves the mouse pointer to the bottom-right corner of the screen.
void FlyttaMuspekare();
