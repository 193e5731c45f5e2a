#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

// The teacher's window for one exercise: the list of its lines, the item
// buttons, and the menus to start, open, save, delete, sort and print it.
// The list is the exercise; nothing else holds it.
class FrmSkrivIn : public QDialog {
    Q_OBJECT
public:
    // `tag` is the training window's Tag: a type code ("rtt", "ord", "glo",
    // "gls", "tst") or "senaste fel", which starts from `lstFel` in the
    // loaded exercise's type.
    FrmSkrivIn(QWidget* parent, const QString& tag, const QStringList& lstFel);

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class FrmInskrivning;

    void Form_Load(const QString& tag, const QStringList& lstFel);
    bool Form_QueryUnload();
    void byggMenyer();
    void placeraKontroller();

    void comRedigera_Click(int index);
    void comSkrivIn_Click();
    void lstSkrivIn_Click();
    void menArkiv_Click();
    void menVerktyg_Click();
    void menOvningstyp_Click(int index);
    void menOeppna_Click();
    void menSpara_Click();
    void menSparaSom_Click();
    void menTaBort_Click();
    void menSkrivUt_Click();
    void menAvsluta_Click();
    void menStigande_Click();
    void menFallande_Click();
    void menIoordning_Click();
    void menInstaellning_Click();

    // Asks whether the unsaved list is to be saved first and saves it on
    // Yes. False when the action that asked is to stop: Cancel, or a save
    // that was cancelled or failed.
    bool SparaFoerst(const QString& fraaga, const QString& rubrik);
    void OeppnaOevning();
    bool godtaOevningsfil(const QString& soekvaeg, const QString& rubrik);
    bool godtaSparfil(const QString& soekvaeg, const QString& rubrik);
    bool SparaOevning(const QString& soekvaeg);
    bool SparaSom();
    void VisaMarkering(int n);
    int HaemtaMarkerad() const;
    void SpaerraKnappar();
    void VisaRubrik();
    void BytTyp(const QString& nyTyp, const QString& gammalTyp);
    void VisaTypBild(bool byte, const QString& nyTyp, const QString& gammalTyp);
    void PlaceraMun();
    void KonverteraLista();
    void SorteraLista(int ordning);

    QStringList rader() const;
    void ersaettRader(const QStringList& nya);
    bool aerNamngiven() const;
    // Unsaved items: an empty list has nothing to save first.
    bool harNaagotAttFoerlora() const;

    QMenuBar* menyrad;
    QMenu* menArkiv;
    QMenu* menNy;
    std::array<QAction*, 5> menOvningstyp{};
    QAction* menOeppna;
    QAction* menSpara;
    QAction* menSparaSom;
    QAction* menTaBort;
    QAction* menSkrivUt;
    QAction* menAvsluta;
    QMenu* menVerktyg;
    QMenu* menSortera;
    QAction* menStigande;
    QAction* menFallande;
    QAction* menIoordning;
    QMenu* menInst;
    QAction* menInstaellning;

    QLabel* imaRekord;
    QLabel* imaMun;
    QListWidget* lstSkrivIn;
    std::array<QPushButton*, 5> comRedigera{};
    QPushButton* comSkrivIn;
    QLabel* labUppgift;

    bool Sparad = true;
    // The file name the list stands under while it has no file.
    static inline const QString Namnloes = QStringLiteral("[namnlös]");
    QString AktuellFil;
    QString TypNamn;
    QString Katalog;
    bool Konvertera = false;
    bool SkriverUt = false;
    int oeppnaFilterIndex = 1;
};
