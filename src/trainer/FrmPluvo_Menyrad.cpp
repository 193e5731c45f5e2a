// The training window's menu bar: the runs with a shuffle question, loading
// through the open dialog, aborting, and the windows of the editor, the
// settings and their lock, the viewers and About. While one of those
// windows is open the one-key scan is held.
#include "trainer/FrmPluvo.h"

#include "common/FrmAbout.h"
#include "common/ModPluvo.h"
#include "editor/Redigerare.h"
#include "platform/Skrivbordsfaerger.h"
#include "platform/Tangentbordet.h"
#include "settings/FrmLogin.h"
#include "settings/Instaellningsfoenster.h"
#include "trainer/TangentFaangare.h"
#include "viewers/Visare.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

const QString LaasRubrik = QStringLiteral("L&ås inställningar...");
const QString LaasUppRubrik = QStringLiteral("Lås &upp inställningar...");

// The exercise types of the editor entries, in the order of their captions.
const std::array<QString, 5> SkapaTyper = {"rtt", "ord", "glo", "gls", "tst"};

// The captions of the type entries of "Hämta" and of the editor.
const std::array<QString, 6> TypRubriker = {
    QStringLiteral("&Rättstavning..."), QStringLiteral("&Ordkunskap..."), QStringLiteral("&Glosor..."),
    QStringLiteral("Glosor med &ljud..."), QStringLiteral("&Övrigt..."), QStringLiteral("&Alla typer...")};

// Sets the entries' enabled states just before Qt looks up a shortcut in
// the training window, so Ctrl+Z and F1 always act on the present state,
// whatever changed it since a menu last opened.
class MenyradVakt : public QObject {
public:
    explicit MenyradVakt(FrmPluvo* foenster) : QObject(foenster), m_foenster(foenster) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            m_foenster->menOevning_Click();
            m_foenster->menVerktyg_Click();
        }
        return false;
    }

private:
    FrmPluvo* m_foenster;
};

}  // namespace

void FrmPluvo::skapaMenyrad()
{
    menyrad = new QMenuBar(this);
    // The desktop's own menu bar, in every colour scheme of the window.
    behaallSkrivbordetsFaerger(menyrad);
    menyrad->setAutoFillBackground(true);
    // The layout keeps the bar along the top edge at the window's width;
    // the window's own controls are placed by hand on the area below it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menyrad);
    layout->addWidget(klientyta);

    menArkiv = menyrad->addMenu(QStringLiteral("&Arkiv"));
    menAvsluta = menArkiv->addAction(QStringLiteral("&Avsluta"));
    connect(menAvsluta, &QAction::triggered, this, &FrmPluvo::menAvsluta_Click);

    menOevning = menyrad->addMenu(QStringLiteral("&Övning"));
    QMenu* val = menOevning->addMenu(QStringLiteral("&Val"));
    menVal = val->menuAction();
    auto laegesMeny = [&](const QString& rubrik, QAction*& normal, QAction*& omvaend) {
        QMenu* meny = val->addMenu(rubrik);
        normal = meny->addAction(QStringLiteral("&Normal"));
        omvaend = meny->addAction(QStringLiteral("&Omvänd"));
        return meny->menuAction();
    };
    menPluvo = laegesMeny(QStringLiteral("&Pluvo"), menPluvoNormal, menPluvoOmvaend);
    menLaes = laegesMeny(QStringLiteral("&Läs"), menLaesNormal, menLaesOmvaend);
    menTest = laegesMeny(QStringLiteral("&Test"), menTestNormal, menTestOmvaend);
    connect(menPluvoNormal, &QAction::triggered, this, &FrmPluvo::menPluvoNormal_Click);
    connect(menPluvoOmvaend, &QAction::triggered, this, &FrmPluvo::menPluvoOmvaend_Click);
    connect(menLaesNormal, &QAction::triggered, this, &FrmPluvo::menLaesNormal_Click);
    connect(menLaesOmvaend, &QAction::triggered, this, &FrmPluvo::menLaesOmvaend_Click);
    connect(menTestNormal, &QAction::triggered, this, &FrmPluvo::menTestNormal_Click);
    connect(menTestOmvaend, &QAction::triggered, this, &FrmPluvo::menTestOmvaend_Click);
    QMenu* haemta = val->addMenu(QStringLiteral("&Hämta"));
    menHaemta = haemta->menuAction();
    for (size_t i = 0; i < menHaemtaOvn.size(); ++i) {
        menHaemtaOvn[i] = haemta->addAction(TypRubriker[i]);
        connect(menHaemtaOvn[i], &QAction::triggered, this, [this, i] { menHaemtaOvn_Click(int(i)); });
    }
    menAvbryt = menOevning->addAction(QStringLiteral("&Avbryt"));
    menAvbryt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(menAvbryt, &QAction::triggered, this, &FrmPluvo::menAvbryt_Click);

    menVerktyg = menyrad->addMenu(QStringLiteral("&Verktyg"));
    QMenu* skapa = menVerktyg->addMenu(QStringLiteral("&Skapa/redigera egna övningar"));
    menSkapa = skapa->menuAction();
    for (size_t i = 0; i < menSkapaOvning.size(); ++i) {
        menSkapaOvning[i] = skapa->addAction(TypRubriker[i]);
        connect(menSkapaOvning[i], &QAction::triggered, this, [this, i] { menSkapaOvning_Click(int(i)); });
    }
    menSenaste = menVerktyg->addAction(QStringLiteral("Senaste &fel..."));
    // Enabled when the first word typed wrong is kept.
    menSenaste->setEnabled(false);
    connect(menSenaste, &QAction::triggered, this, &FrmPluvo::menSenaste_Click);
    menVerktyg->addSeparator();
    menLoggbok = menVerktyg->addAction(QStringLiteral("&Loggbok..."));
    connect(menLoggbok, &QAction::triggered, this, &FrmPluvo::menLoggbok_Click);
    menVerktyg->addSeparator();
    QMenu* instaellning = menVerktyg->addMenu(QStringLiteral("&Inställning"));
    menInstaellning = instaellning->menuAction();
    menAendra = instaellning->addAction(QStringLiteral("&Ändra..."));
    connect(menAendra, &QAction::triggered, this, &FrmPluvo::menAendra_Click);
    menVisa = instaellning->addAction(QStringLiteral("&Visa..."));
    connect(menVisa, &QAction::triggered, this, &FrmPluvo::menVisa_Click);
    menLaas = menVerktyg->addAction(LaasRubrik);
    // Shown only by F9 in the main menu.
    menLaas->setVisible(false);
    connect(menLaas, &QAction::triggered, this, &FrmPluvo::menLaas_Click);

    menHjaelp = menyrad->addMenu(QStringLiteral("&Hjälp"));
    menHandledning = menHjaelp->addAction(QStringLiteral("&Handledning..."));
    menHandledning->setShortcut(QKeySequence(Qt::Key_F1));
    connect(menHandledning, &QAction::triggered, this, &FrmPluvo::menHandledning_Click);
    menOm = menHjaelp->addAction(QStringLiteral("&Om..."));
    connect(menOm, &QAction::triggered, this, &FrmPluvo::menOm_Click);

    // Every submenu of "Övning" and "Verktyg" brings its entries up to date
    // as it opens.
    QList<QMenu*> oevningsmenyer = menOevning->findChildren<QMenu*>();
    oevningsmenyer << menOevning;
    for (QMenu* meny : oevningsmenyer)
        connect(meny, &QMenu::aboutToShow, this, &FrmPluvo::menOevning_Click);
    QList<QMenu*> verktygsmenyer = menVerktyg->findChildren<QMenu*>();
    verktygsmenyer << menVerktyg;
    for (QMenu* meny : verktygsmenyer)
        connect(meny, &QMenu::aboutToShow, this, &FrmPluvo::menVerktyg_Click);
    // A closed menu hands the keys back to the key catcher.
    Tangentbordet::efterMenyer(menyrad, picTaTangent);
    auto* vakt = new MenyradVakt(this);
    installEventFilter(vakt);

    menOevning_Click();
    menVerktyg_Click();
}

void FrmPluvo::menOevning_Click()
{
    const ModPluvo& m = modPluvo();
    const bool huvudmeny = m.Tillstaand == Huvudmeny;
    const bool laege = huvudmeny && m.OevningsTyp != 0;
    const bool omvaend = laege && OevningsTypVaendbar();
    menVal->setEnabled(huvudmeny);
    for (QAction* a : {menPluvo, menPluvoNormal, menLaes, menLaesNormal, menTest, menTestNormal})
        a->setEnabled(laege);
    for (QAction* a : {menPluvoOmvaend, menLaesOmvaend, menTestOmvaend})
        a->setEnabled(omvaend);
    menAvbryt->setEnabled(!huvudmeny);
}

void FrmPluvo::menVerktyg_Click()
{
    const int InstLaast = modPluvo().InstLaast;
    menAendra->setEnabled(InstLaast == 0);
    if (InstLaast == 0)
        menLaas->setText(LaasRubrik);
    else if (InstLaast == 1)
        menLaas->setText(LaasUppRubrik);
}

// The one-key scan timer is off while `visa` shows its window, and on again
// afterwards only when it was on before.
void FrmPluvo::visaHaallen(const std::function<void()>& visa)
{
    const bool paa = timEnTangent.Enabled();
    if (paa)
        timEnTangent.setEnabled(false);
    visa();
    if (paa)
        timEnTangent.setEnabled(true);
}

void FrmPluvo::menAvsluta_Click()
{
    LaddaUrObjekt();
}

void FrmPluvo::menPluvoNormal_Click()
{
    FraagaBlanda();
    SaettLaege(PluvoVisar);
}

void FrmPluvo::menPluvoOmvaend_Click()
{
    FraagaBlanda();
    Omvaend = true;
    SaettLaege(PluvoVisar);
}

void FrmPluvo::menLaesNormal_Click()
{
    FraagaBlanda();
    SaettLaege(Laeser);
}

void FrmPluvo::menLaesOmvaend_Click()
{
    Omvaend = true;
    FraagaBlanda();
    SaettLaege(Laeser);
}

void FrmPluvo::menTestNormal_Click()
{
    FraagaBlanda();
    SaettLaege(TestVisar);
}

void FrmPluvo::menTestOmvaend_Click()
{
    Omvaend = true;
    FraagaBlanda();
    SaettLaege(TestVisar);
}

void FrmPluvo::menHaemtaOvn_Click(int Index)
{
    HaemtaOevningDialog(Index);
}

void FrmPluvo::menAvbryt_Click()
{
    Form_KeyPress(27);
}

void FrmPluvo::menSkapaOvning_Click(int Index)
{
    if (Index >= 0 && Index < int(SkapaTyper.size()))
        Tag = SkapaTyper[size_t(Index)];
    visaHaallen([this] { VisaOevningsredigerare(this, Tag, lstFel); });
    HaemtaAktuellOevning();
}

void FrmPluvo::menSenaste_Click()
{
    Tag = QStringLiteral("senaste fel");
    visaHaallen([this] { VisaOevningsredigerare(this, Tag, lstFel); });
    HaemtaAktuellOevning();
}

void FrmPluvo::menLoggbok_Click()
{
    TextSpeaker* roest1 = modPluvo().TalFinns ? &tspPluvo : nullptr;
    visaHaallen([this, roest1] { VisaLoggbok(this, txtLoggbok.text(), roest1); });
}

void FrmPluvo::menAendra_Click()
{
    ModPluvo& m = modPluvo();
    TextSpeaker* roest1 = m.TalFinns ? &tspPluvo : nullptr;
    TextSpeaker* roest2 = m.TalFinns ? &tspPluvo2 : nullptr;
    // The scan goes on ticking but skips every tick while the settings are
    // changed.
    m.SkanningsVaentan = 32767;
    VisaInstaellningar(this, *this, roest1, roest2);
    m.SkanningsVaentan = 0;
    update();
}

void FrmPluvo::menVisa_Click()
{
    ModPluvo& m = modPluvo();
    // Open settings are shown read-only for this visit; locked ones stay
    // locked.
    if (m.InstLaast == 0)
        m.InstLaast = 2;
    TextSpeaker* roest1 = m.TalFinns ? &tspPluvo : nullptr;
    TextSpeaker* roest2 = m.TalFinns ? &tspPluvo2 : nullptr;
    visaHaallen([this, roest1, roest2] { VisaInstaellningar(this, *this, roest1, roest2); });
    update();
    if (m.InstLaast == 2)
        m.InstLaast = 0;
}

void FrmPluvo::menLaas_Click()
{
    if (!frmLogin)
        frmLogin = new FrmLogin(this);
    visaHaallen([this] { frmLogin->exec(); });
    // After the fourth wrong code the lock stays as it is for the rest of
    // the program run.
    if (frmLogin->Spaerrad()) {
        menLaas->setEnabled(false);
        delete frmLogin;
        frmLogin = nullptr;
    }
}

void FrmPluvo::menHandledning_Click()
{
    TextSpeaker* roest1 = modPluvo().TalFinns ? &tspPluvo : nullptr;
    visaHaallen([this, roest1] { VisaHandledning(this, roest1); });
}

void FrmPluvo::menOm_Click()
{
    visaHaallen([this] { visaOmFoenster(this); });
}
