#pragma once

#include "editor/LjudKlippning.h"
#include "platform/VbTimer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class Klippfaelt;

// The clip window: the whole sound and the clip as two bars; a left click
// on the clip bar sets the in point, a right click the out point. It is
// opened by the item window on one sound reference (a path, perhaps with a
// clip suffix) and hands back the path with the chosen clip on OK.
class FrmKlipp : public QDialog {
    Q_OBJECT
public:
    // `redigera` is the item window that opens it, whose size and buttons
    // it takes over.
    FrmKlipp(QWidget* redigera, const QString& tagLjud);

    // The sound reference after the window has closed: the new one after
    // OK, the one handed in otherwise.
    QString Tag() const { return m_tag; }

    // Avbryt, Esc and the close box: no result, and the sound stops.
    void reject() override;

private:
    void Form_Load(QWidget* redigera);
    void VisaKlipp();
    void RitaKlipp();
    void chkAllt_Click();
    void imaBar_MouseDown(Qt::MouseButton knapp, double xPaaStapeln);
    void comLyssna_Click(int index);
    void timSpela_Timer();
    void comOK_Click();
    void stoppaUppspelning();

    QString m_tag;
    double mLaengd = 0;
    Klipp m_klipp;
    double mPos = 0;
    bool mSpelarKlipp = false;

    QLabel* imaRekord;
    QLabel* imaMun;
    QLabel* labLjud;
    QWidget* shaLjud[4];
    Klippfaelt* imaBar;
    QCheckBox* chkAllt;
    QLabel* labAllt;
    QPushButton* comLyssna[2];
    QLabel* labLaengd;
    QLabel* labKlipp;
    QPushButton* comOK;
    QPushButton* comAvbryt;
    VbTimer timSpela;
};
