#pragma once

#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class TextSpeaker;

// What the logbook and guide viewers share: a full-screen window with the
// text box in the middle, two text sizes, reading the marked passage aloud
// with voice 1 and printing the text word-wrapped. The menu "Arkiv" is
// filled by each viewer.
class TextVisare : public QDialog {
    Q_OBJECT
public:
    // `tspRoest1` is lent by the training window only when speech works; it
    // is stopped and let go when the window closes.
    TextVisare(QWidget* parent, TextSpeaker* tspRoest1, const QString& rubrik);

    TextSpeaker* tspRoest1;

    void done(int resultat) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

    void cmdLaes_Click();
    void comStorlek_Click(int Index);
    void menSkrivUt_Click();
    void menStaeng_Click();

    // A menu entry with its shortcut, also reachable while the menu is shut.
    QAction* nyttMenyval(const QString& namn, const QString& text, const QKeySequence& tangent = {});
    // Adds "Skriv ut" and "Stäng" at the end of "Arkiv".
    void laeggTillUtskriftOchStaeng();

    QMenuBar* menyrad;
    QMenu* menArkiv;
    QAction* menSkrivUt = nullptr;
    QAction* menStaeng = nullptr;
    QLabel* imaRekord;
    QPlainTextEdit* txtHandledning;
    std::array<QPushButton*, 2> comStorlek;
    QPushButton* cmdLaes;

private:
    void placeraKontroller();
};
