#pragma once

#include "platform/TextSpeaker.h"

#include <QDialog>
#include <array>

class Etikett;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QTreeView;
class Stilmarkoer;
class Traeningsfoenster;

// The teacher's settings window: six pages behind one tab strip. Nothing
// changes while the teacher edits; "Utför" applies the page shown, "OK" all
// six, "Avbryt" none. Only values that differ from the settings are applied
// to the training window and stored. The pages can be changed only while
// the settings are open (InstLaast 0).
class FrmOptions2 : public QDialog {
    Q_OBJECT
public:
    // The speech controls are lent only when speech works (null otherwise).
    FrmOptions2(Traeningsfoenster& frmPluvo, TextSpeaker* tspRoest1, TextSpeaker* tspRoest2,
                QWidget* parent = nullptr);

    // Applies page 1..6; any other number does nothing.
    void UtfoerFlik(int Flik);

    // Esc and the window's close box: "Avbryt".
    void reject() override;

    // --- Buttons and pages ---
    QTabBar* tbsOptions;
    QStackedWidget* sidor;
    std::array<QWidget*, 6> picOptions{};
    QPushButton* cmdOK;
    QPushButton* cmdApply;
    QPushButton* cmdCancel;

    // --- "Färger" ---
    std::array<QGroupBox*, 6> fraSample1{};
    std::array<Etikett*, 6> labFel{};
    std::array<Etikett*, 6> labTal{};
    Stilmarkoer* shaStil;

    // --- "Teckensnitt" ---
    QGroupBox* fraSample2;
    QComboBox* cbxFont;
    Etikett* labFont;
    Etikett* labTest;  // hidden, measures the sample letter

    // --- "Ljud" ---
    QGroupBox* fraSample3;
    QCheckBox* chkPipLjud;
    QGroupBox* fraSample3b;
    QCheckBox* chkLaesMeny;
    QCheckBox* chkLaesOevning;
    QCheckBox* chkTvaa;
    QLabel* labRoest;
    QComboBox* comRoester;
    QLabel* labRoest2;
    QComboBox* comRoester2;
    QPushButton* comAvancerat;
    QLabel* labInfoUpplaes;

    // --- "Special" ---
    QGroupBox* fraVaend;
    std::array<QCheckBox*, 4> chkVaend{};
    QGroupBox* fraMatchning;
    QCheckBox* chkMatchning;
    QGroupBox* fraTitta;
    std::array<QCheckBox*, 2> chkVisa{};
    QGroupBox* fraByt;
    std::array<QCheckBox*, 2> chkByt{};
    QGroupBox* fraAutustart;
    std::array<QCheckBox*, 2> chkDoelj{};
    QLabel* labTid;
    QComboBox* cbxTid;
    QCheckBox* chkSpara;
    QCheckBox* chkSlump;

    // --- "Styrning" ---
    QGroupBox* fraSample5;
    QCheckBox* chkTangentrepetition;
    QGroupBox* fraSample5a;
    std::array<QRadioButton*, 4> optSiffertavla{};
    QLabel* labIntervall;
    QComboBox* cbxEnTangent;
    QCheckBox* chkNear;
    QGroupBox* fraGraens;
    std::array<QRadioButton*, 2> optGraens{};
    QCheckBox* chkMuspekare;
    QLabel* imaMuspekare;

    // --- "Filkatalog" ---
    QGroupBox* fraSample6;
    QComboBox* drvInitial;       // the mounted volumes
    QTreeView* dirInitial;       // the folders of the chosen volume
    QListWidget* filInitial;     // the exercises in the chosen folder
    QPushButton* comInitial;
    QLabel* labInitial;          // the chosen folder

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    // Building the pages.
    void skapaFaerger();
    void skapaTeckensnitt();
    void skapaLjud();
    void skapaSpecial();
    void skapaStyrning();
    void skapaFilkatalog();
    void kopplaHaendelser();

    void Form_Load();
    void laddaRoester();
    void Form_KeyDown(int KeyCode, int Shift);

    // Handlers.
    void tbsOptions_Click();
    void fraSample1_Click(int Index);
    void cbxFont_Click();
    void cbxTid_Change();
    void chkDoelj_Click();
    void chkVisa_Click(int Index);
    void chkNear_Click();
    void optSiffertavla_Click();
    void chkTvaa_Click();
    void chkPipLjud_Click();
    void chkSpara_Click();
    void comRoester_Click();
    void comRoester2_Click();
    void comInitial_Click();
    void drvInitial_Change();
    void dirInitial_Change();
    void saettLabInitial(const QString& mapp);
    void saettMapp(const QString& mapp);
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void comAvancerat_Click();

    // Applying the pages.
    void utfoerFaerger();
    void utfoerTeckensnitt();
    void utfoerLjud();
    void utfoerSpecial();
    void utfoerStyrning();
    void utfoerFilkatalog();
    void vaeljRoest(int nummer);

    Traeningsfoenster& m_frmPluvo;
    TextSpeaker* tspRoest1;
    TextSpeaker* tspRoest2;
    QFileSystemModel* m_mappar;
    bool m_talFinns;

    TalRoest AktuellRoest1;
    TalRoest AktuellRoest2;
    int Roest1Index = 0;
    int Roest1Start = -1;
    int Roest2Index = 0;
    int Roest2Start = -1;
    int ValdStil = 0;
    bool VisaDiskettVarning = true;
};
