#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TextSpeaker;

// The item window: one exercise item in four boxes (word, its
// pronunciation, explanation, its pronunciation). For "Glosor med ljud" the
// pronunciation boxes hold sound references, chosen, played, cleared and
// clipped with a row of buttons each; for the other types they hold texts
// that are spoken when a box is clicked.
class FrmRedigera : public QDialog {
    Q_OBJECT
public:
    // `skrivIn` is the exercise editor that opens the window; `rad` is the
    // item's exercise line, "" for a new item.
    FrmRedigera(QWidget* skrivIn, const QString& rad, bool glosorMedLjud);
    ~FrmRedigera() override;

    // The line the editor gets back: the composed line after OK, "" after
    // Stäng, the line handed in when the window is closed otherwise.
    QString Tag() const { return m_tag; }

    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override;

private:
    void Form_Load(QWidget* skrivIn);
    void placeraKontroller(QWidget* skrivIn);
    double placeraRutor(double bredd);
    void chkVisaUttal_Click();
    void txtRedigera_Change();
    void txtRedigera_Click(int index);
    void comBlaeddra_Click(int index);
    void comLyssna_Click(int index);
    void comTaBort_Click(int index);
    void comKlipp_Click(int index);
    void comOK_Click();
    void comAvbryt_Click();
    void VisaMun(QWidget* skrivIn);
    void Form_Unload();

    QString m_tag;
    bool m_glosorMedLjud;
    QString mRad;
    double mBredd[2] = {0, 0};
    TextSpeaker* mTsp = nullptr;
    TextSpeaker* mTsp2 = nullptr;

    QLabel* imaRekord;
    QLabel* imaMun;
    QLabel* labRubrik[2];
    QLabel* labRedigera[6];
    QLineEdit* txtRedigera[4];
    QCheckBox* chkVisaUttal;
    QPushButton* comOK;
    QPushButton* comAvbryt;
    QPushButton* comBlaeddra[2];
    QPushButton* comLyssna[2];
    QPushButton* comTaBort[2];
    QPushButton* comKlipp[2];
};
