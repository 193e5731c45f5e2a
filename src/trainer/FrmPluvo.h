#pragma once

#include "common/Etikett.h"
#include "platform/TextSpeaker.h"
#include "platform/VbTimer.h"
#include "settings/Traeningsfoenster.h"
#include "trainer/Fillista.h"
#include "trainer/Loggbok.h"

#include <QAction>
#include <QCursor>
#include <QFrame>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class FrmLogin;
class QMenu;
class QMenuBar;
class TangentFaangare;

// A line of the window's decoration: its widget, vertical position and
// border width as the layout rules use them.
struct RamLinje {
    QFrame* linje = nullptr;
    double Y1 = 0;        // twips
    int BorderWidth = 0;  // pixels
};

// The training window: the program's main window, where a pupil loads and
// runs exercises. Its procedures are spread over several files by what they
// do (start-up, loading, menus, file selector, runs, letter checking, keys,
// letter board, timers), but it is one window with one state.
class FrmPluvo : public QWidget, public Traeningsfoenster {
    Q_OBJECT
public:
    FrmPluvo();
    ~FrmPluvo() override;

    // The single training window of the program run (null before it exists).
    static FrmPluvo* instans();

    // Tests start the window without the splash window's three seconds.
    static inline bool utanStartbild = false;

    // --- Start-up and shutdown ---
    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload(bool& Cancel);
    void Form_Unload();
    void HaemtaAktuellOevning();
    void PlaceraMunAkt();

    // --- Exercise loading ---
    void HaemtaOevningDialog(int TypIndex);
    void LaesInOevning(const QString& Soekvaeg, bool FraanDialog);

    // --- On-screen menus ---
    void VisaHuvudmeny();
    void VisaMenyNormalOmvaend();
    void VisaMenyHaemtaOevning();
    void PlaceraMenyram();
    void MarkeraMenyval(int Index);
    void labMenyVal_Click(int Index);
    void labMenyVal_MouseMove(int Index);
    void HanteraTecken(int KeyAscii);
    void LaddaUrObjekt();

    // --- File selector ---
    void VisaOevningslista();
    int AktuellFilIndex();
    void picNer_MouseDown();
    void picUpp_MouseDown();
    void labFilnamn_Click();
    void OeppnaValdFil();

    // --- Runs: set-up and word display ---
    void SaettLaege(int Laege);
    void BoerjaOevning();
    void StartaOevning();
    void BlandaOrdlista();
    void SparaTestlista(int antal);
    void VisaOrd();
    void VisaFoerklaring();
    void TaBortOrd();
    void TaBortFoerklaring();
    void DoeljOrd();
    void DoeljBokstavstavla();
    bool OevningsTypVaendbar();
    void FraagaBlanda();
    void VisaMeddelande(const QString& text);

    // --- Letter checking ---
    void KontrolleraTangent(int Tecken);
    bool SoekAlternativOrd(const QString& typed, int Position);
    void LaeggTillFelord(int Rad);

    // --- Run flow, passes and summaries ---
    void NaestaSteg();
    void NaestaUppgift();
    void VisaSammanfattning();
    void VisaOrdetMedRadera();
    void labOrd_Click(int Index);
    void labFoerklaring_Click(int Index);
    void labOrd_MouseMove(int Index);
    void labFoerklaring_MouseMove(int Index);

    // --- Keyboard input funnel ---
    void Form_KeyPress(int KeyAscii);
    void Form_KeyUp();
    void picTaTangent_KeyDown(int KeyCode);
    void picTaTangent_KeyUp(int KeyCode);

    // --- Letter-board stepping and clicks ---
    void StegaBokstavstavla();
    void FlyttaTavlmarkoer(int Maal);
    void VaeljTavlStart();
    void labSiffertavla_Click(int Index);
    void labSiffertavla_MouseMove(int Index);
    void picBakaat_Click();
    void picNaesta_Click();
    void picBakaat_MouseMove();
    void picNaesta_MouseMove();

    // --- Run speech, sound and timers ---
    void PrataOrd(bool MedOrd);
    void StoppaAutostart();
    void StartaAutostart();
    QString StatusradText();
    void timAutostart_Timer();
    void timEnTangent_Timer();
    void timKontroll_Timer();
    void timPrata_Timer();

    // --- Colours and pointer, as the scheme and layout set them ---
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& farg);
    QCursor egenPekare() const { return m_egenPekare; }

    // --- What the settings windows read and apply (Traeningsfoenster) ---
    QColor bakgrundsfaerg() const override;
    QColor ordfaerg() const override;
    QString ordFontnamn() const override;
    int ordHoejd() const override;
    QCursor menyPekare() const override;
    bool enTangentPaa() const override;
    void saettEnTangentPaa(bool paa) override;
    int enTangentIntervall() const override;
    void saettEnTangentIntervall(int millisekunder) override;
    void saettFaergStil(int stil) override;
    void saettOrdFont(const QString& namn, double storlek) override;
    void visaTavla() override;
    void saettMuspekare() override;
    void uppdatera() override;

    // --- Controls ---
    QWidget* klientyta = nullptr;  // the area below the menu bar
    Etikett* labMeny = nullptr;
    std::array<Etikett*, 5> labMenyVal{};
    Etikett* labAktuell = nullptr;
    std::array<Etikett*, 6> labFakta{};
    std::vector<Etikett*> labOrd;            // element 0 always exists
    std::vector<Etikett*> labFoerklaring;    // element 0 always exists
    Etikett* labTest = nullptr;              // hidden, measures text widths
    Etikett* labStreck = nullptr;            // cursor bar under the next letter
    Etikett* picFel = nullptr;               // wrong-letter mark
    std::array<Etikett*, 30> labSiffertavla{};
    Etikett* picNaesta = nullptr;
    Etikett* picBakaat = nullptr;
    QFrame* shaSiffertavla = nullptr;
    std::array<QFrame*, 2> shaRam{};
    std::array<RamLinje, 2> linRam{};
    std::array<Etikett*, 4> imaRam{};
    std::array<Etikett*, 4> imaMeny{};
    Etikett* imaMun = nullptr;
    Etikett* imaMun_akt = nullptr;
    Etikett* picUpp = nullptr;
    Etikett* picNer = nullptr;
    Etikett* labFilnamn = nullptr;
    TangentFaangare* picTaTangent = nullptr;
    Fillista filPluvo;
    Loggbok txtLoggbok;
    QStringList lstFel;

    VbTimer timAutostart;
    VbTimer timEnTangent;
    VbTimer timKontroll;
    VbTimer timPrata;

    TextSpeaker tspPluvo;
    TextSpeaker tspPluvo2;

    // Menu-bar entries other parts of the window enable, disable or show.
    QAction* menSenaste = nullptr;
    QAction* menLaas = nullptr;
    QAction* menPluvo = nullptr;
    QAction* menLaes = nullptr;
    QAction* menTest = nullptr;

    // --- Menu bar ---
    QMenuBar* menyrad = nullptr;
    QMenu* menArkiv = nullptr;
    QAction* menAvsluta = nullptr;
    QMenu* menOevning = nullptr;
    QAction* menVal = nullptr;
    QAction* menPluvoNormal = nullptr;
    QAction* menPluvoOmvaend = nullptr;
    QAction* menLaesNormal = nullptr;
    QAction* menLaesOmvaend = nullptr;
    QAction* menTestNormal = nullptr;
    QAction* menTestOmvaend = nullptr;
    QAction* menHaemta = nullptr;
    std::array<QAction*, 6> menHaemtaOvn{};
    QAction* menAvbryt = nullptr;
    QMenu* menVerktyg = nullptr;
    QAction* menSkapa = nullptr;
    std::array<QAction*, 5> menSkapaOvning{};
    QAction* menLoggbok = nullptr;
    QAction* menInstaellning = nullptr;
    QAction* menAendra = nullptr;
    QAction* menVisa = nullptr;
    QMenu* menHjaelp = nullptr;
    QAction* menHandledning = nullptr;
    QAction* menOm = nullptr;
    // The lock dialog lives for the program run, so its count of wrong
    // codes does too.
    FrmLogin* frmLogin = nullptr;
    // The exercise type, or "senaste fel", handed to the editor.
    QString Tag;

    void menOevning_Click();
    void menVerktyg_Click();
    void menAvsluta_Click();
    void menPluvoNormal_Click();
    void menPluvoOmvaend_Click();
    void menLaesNormal_Click();
    void menLaesOmvaend_Click();
    void menTestNormal_Click();
    void menTestOmvaend_Click();
    void menHaemtaOvn_Click(int Index);
    void menAvbryt_Click();
    void menSkapaOvning_Click(int Index);
    void menSenaste_Click();
    void menLoggbok_Click();
    void menAendra_Click();
    void menVisa_Click();
    void menLaas_Click();
    void menHandledning_Click();
    void menOm_Click();

    // --- The window's own variables ---
    int MenyMarkoer = 0;
    int MenyTeckenstorlek = 0;
    int FaktaMellanrum = 0;
    int FilIndex = 0;
    int OmgaangStorlek = 0;
    int AntalFel = 0;
    bool OrdFelRaeknat = false;
    int FelIOmgaang = 0;
    int OrdLaengd = 0;
    int FoerklaringLaengd = 0;
    bool TangentNere = false;
    bool Omvaend = false;
    bool OrdKlart = false;
    double AutostartStart = 0;
    QString Statusrad;
    QString KoadText;
    bool LaddarSparadOevning = false;
    // The current exercise's real path (labAktuell shows its name in lower
    // case); empty while none is loaded.
    QString AktuellSoekvaeg;
    bool Avbruten = false;
    double PratVaentan = 0;
    double PratStart = 0;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void skapaKontroller();
    void kopplaHaendelser();
    void placeraDekoration();
    void haemtaBilder();
    void skrivLoggbokFil(bool& Cancel);
    void visaFilnamn();
    void skapaMenyrad();
    void visaHaallen(const std::function<void()>& visa);
    void visaOchLaesFilnamn();
    void placeraEfterYtan();
    void placeraOm();
    void placeraRadOm();
    double passadStorlek(const QString& text);
    void passaStreckOchFelbild();
    void placeraMenyOm();
    void sparaAktuellOevning(const QString& soekvaeg);
    void saegOmInstaellningsfel();

    QColor m_backColor;
    QCursor m_egenPekare;
    bool m_harAendratStorlek = false;
    bool m_utlagd = false;  // Form_Load has laid the window out
    // The window's own settings writes are told of once in a program run:
    // a pupil loads exercises all day.
    bool m_instaellningsfelSagt = false;
};
