#pragma once

#include <QColor>
#include <QCursor>
#include <QDialog>
#include <QString>

class Etikett;

// The training window's looks that the message window copies.
struct MeddelandeUtseende {
    QColor bakgrund{255, 238, 192};   // the training window's BackColor
    QColor textfaerg{0, 0, 160};      // labOrd(0)'s ForeColor
    double textStorlek = 20;          // labMeny's font size
    QString fontNamn = "Arial";       // labMenyVal(0)'s font name
    double fontStorlek = 20;          // labMenyVal(0)'s font size
    QCursor pekare;                   // labMenyVal(0)'s mouse pointer
};

// Shows modPluvo().MeddelandeText to the pupil, reads it aloud when reading
// in menus is on, and waits for an OK: Enter, Space or the OK picture. Esc
// and the window manager do not close it.
class FrmMeddelande : public QDialog {
    Q_OBJECT
public:
    explicit FrmMeddelande(const MeddelandeUtseende& utseende, QWidget* parent = nullptr);

    // Stops voice 1 and closes the window.
    void ok_tryck();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void imaOK_MouseDown();
    void imaOK_MouseUp();

    Etikett* labMeddelande;
    Etikett* imaOK[2];
};

// Shows the message window modally over its owner and centred on it;
// returns when it has closed.
void visaMeddelandeFoenster(const MeddelandeUtseende& utseende, QWidget* aegare = nullptr);
