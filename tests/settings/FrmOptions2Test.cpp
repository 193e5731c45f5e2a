// The settings window on the real training window: what it shows, what each
// page stores and applies, and what the buttons and keys do.
#include "InstaellningsFixtur.h"

#include "common/ColourSchemes.h"
#include "common/Etikett.h"
#include "common/Kontrast.h"
#include "common/ModPluvo.h"
#include "platform/ProgramFolder.h"
#include "settings/Instaellningsfoenster.h"
#include "settings/Stilmarkoer.h"
#include "support/Foensterstyrning.h"
#include "support/Skaermbild.h"
#include "trainer/Stil.h"

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

using namespace TestSupport;

namespace {

using FrmOptions2Test = InstaellningsFixtur;

// --- Opening and closing ---

TEST_F(FrmOptions2Test, OpeningThenOkStoresOnlyTheFolderWithItsFinalSlash)
{
    // The alias font "Arial" is shown as it is and not stored again; a
    // folder stored without its final "/" is shown with one and stored so.
    QDir().mkpath(program.path() + "/Mina Övningar");
    skrivInstaellning("Filkatalog", "Path", program.path() + "/Mina Övningar");
    oeppna();
    EXPECT_EQ(d->cbxFont->currentText(), "Arial");
    EXPECT_EQ(d->labInitial->text(), program.path() + "/Mina Övningar/");
    ok();
    EXPECT_EQ(skrivna(), (Nycklar{{"Filkatalog/Path", program.path() + "/Mina Övningar/"}}));
    EXPECT_EQ(f->labOrd[0]->font().family(), "Arial");
    EXPECT_EQ(modPluvo().OevningsMapp, program.path() + "/Mina Övningar/");

    // Once stored with it, opening then OK writes nothing.
    oeppna();
    ok();
    EXPECT_EQ(skrivna(), Nycklar());
}

TEST_F(FrmOptions2Test, OpensModalOverItsOwnerAndClosesWithOk)
{
    f = startaTraeningsfoenster(program.path());
    QString rubrik;
    QWidget* aegare = nullptr;
    medModal([&](QWidget& w) {
        auto* fd = qobject_cast<FrmOptions2*>(&w);
        ASSERT_NE(fd, nullptr);
        rubrik = fd->windowTitle();
        aegare = fd->parentWidget();
        QTest::mouseClick(fd->cmdOK, Qt::LeftButton);
    });
    VisaInstaellningar(f.get(), *f, nullptr, nullptr);
    EXPECT_EQ(rubrik, QString::fromUtf8("Inställning"));
    EXPECT_EQ(aegare, f.get());
}

TEST_F(FrmOptions2Test, OkThatCannotStoreSaysSoOnceAndTheChangesHoldForTheRun)
{
    oeppna();
    QTest::mouseClick(d->fraSample1[0], Qt::LeftButton);
    flik(3);
    klicka(d->chkPipLjud);
    medFullDisk([&] { ok(); });
    ASSERT_EQ(msgBox.anrop.size(), 1u);
    EXPECT_TRUE(msgBox.anrop[0].text.startsWith(QString::fromUtf8("Inställningarna kunde inte sparas i ")));
    EXPECT_TRUE(msgBox.anrop[0].text.endsWith(QString::fromUtf8("Ändringen gäller bara tills programmet avslutas.")));
    EXPECT_EQ(msgBox.anrop[0].rubrik, QString::fromUtf8("Inställning"));
    EXPECT_EQ(skrivna(), Nycklar());
    EXPECT_EQ(f->BackColor(), QColor(0, 0, 0));
    EXPECT_FALSE(modPluvo().PipVidFel);
}

TEST_F(FrmOptions2Test, UtfoerAppliesTheShownPageAndAvbrytOrEscNothingMore)
{
    oeppna();
    QTest::mouseClick(d->fraSample1[0], Qt::LeftButton);
    EXPECT_EQ(d->shaStil->pos(), d->fraSample1[0]->pos());
    utfoer();
    EXPECT_EQ(skrivna(), (Nycklar{{"Utseende/Stil", "0"}}));
    EXPECT_EQ(f->BackColor(), QColor(0, 0, 0));
    EXPECT_EQ(f->labOrd[0]->ForeColor(), QColor(255, 255, 0));
    klicka(d->labTal[5]);
    avbryt();
    EXPECT_EQ(modPluvo().FaergStil, 0);
    EXPECT_EQ(skrivna(), (Nycklar{{"Utseende/Stil", "0"}}));

    oeppna();
    flik(3);
    klicka(d->chkPipLjud);
    QTest::keyClick(d->chkPipLjud, Qt::Key_Escape);
    EXPECT_TRUE(d->isHidden());
    EXPECT_EQ(skrivna(), Nycklar());
    EXPECT_TRUE(modPluvo().PipVidFel);
}

TEST_F(FrmOptions2Test, OkAppliesEveryPage)
{
    oeppna();
    klicka(d->labFel[1]);
    flik(3);
    klicka(d->chkLaesMeny);
    flik(6);
    ProgramMapp::saett(program.path() + "/Annan/");
    QDir().mkpath(program.path() + "/Annan");
    klicka(d->comInitial);
    ok();
    EXPECT_EQ(skrivna(), (Nycklar{{"Utseende/Stil", "1"},
                                  {"Ljud/men", "True"},
                                  {"Filkatalog/Path", program.path() + "/Annan/"}}));
    EXPECT_EQ(modPluvo().OevningsMapp, program.path() + "/Annan/");
}

// --- What each page stores and applies ---

TEST_F(FrmOptions2Test, FontPageStoresTheChosenFontAndTheWordTakesIt)
{
    oeppna();
    flik(2);
    QTest::keyClick(d->cbxFont, Qt::Key_Down);
    const QString vald = d->cbxFont->currentText();
    ASSERT_NE(vald, "Arial");
    EXPECT_EQ(d->labFont->font().family(), vald);
    EXPECT_FALSE(d->labFont->isHidden());
    utfoer();
    EXPECT_EQ(skrivna(), (Nycklar{{"Teckensnitt/Font", vald}}));
    EXPECT_EQ(f->labOrd[0]->font().family(), vald);
    EXPECT_EQ(f->labFoerklaring[0]->font().family(), vald);
    EXPECT_EQ(f->labStreck->font().family(), vald);
    EXPECT_DOUBLE_EQ(f->labOrd[0]->FontSize(), d->labFont->FontSize());
}

// The word and explanation as the pupil sees them in a Pluvo run of "dog"
// (explained "hund"): where they stand on the window and how they look.
struct SyntOrd {
    QRect ord;
    QRect foerklaring;
    QImage bild;
};

SyntOrd visadRad(FrmPluvo& f)
{
    laddaIn({rad("dog", "hund")});
    tryckTecken(f, 'p');
    EXPECT_EQ(modPluvo().Tillstaand, 2);
    const auto yta = [&](const std::vector<Etikett*>& etiketter) {
        QRect r;
        for (const Etikett* e : etiketter)
            if (!e->isHidden())
                r |= QRect(e->mapTo(&f, QPoint(0, 0)), e->size());
        return r;
    };
    SyntOrd s{yta(f.labOrd), yta(f.labFoerklaring), {}};
    s.bild = f.grab(s.ord | s.foerklaring).toImage();
    return s;
}

TEST_F(FrmOptions2Test, FontAppliedWithUtfoerLooksAsAfterARestart)
{
    oeppna();
    const int arial = modPluvo().OrdStorlek;
    flik(2);
    QTest::keyClicks(d->cbxFont, "DejaVu");
    for (int i = 0; i < 10 && d->cbxFont->currentText() != "DejaVu Serif"; ++i)
        QTest::keyClick(d->cbxFont, Qt::Key_Down);
    ASSERT_EQ(d->cbxFont->currentText(), "DejaVu Serif");
    utfoer();
    EXPECT_DOUBLE_EQ(d->labFont->FontSize(), modPluvo().OrdStorlek) << "the sample shows the size applied";
    ok();
    const SyntOrd utfoert = visadRad(*f);

    d.reset();
    f.reset();
    f = startaTraeningsfoenster(program.path());
    ASSERT_NE(modPluvo().OrdStorlek, arial) << "the font must fit the screen at another size than Arial";
    const SyntOrd omstartat = visadRad(*f);

    EXPECT_EQ(utfoert.ord, omstartat.ord);
    EXPECT_EQ(utfoert.foerklaring, omstartat.foerklaring);
    EXPECT_TRUE(utfoert.bild == omstartat.bild);
}

TEST_F(FrmOptions2Test, SoundPageStoresItsBoxes)
{
    oeppna();
    flik(3);
    klicka(d->chkPipLjud);
    if (modPluvo().TalFinns)
        klicka(d->chkLaesOevning);
    utfoer();
    Nycklar vaentat{{"Ljud/pip", "False"}};
    if (modPluvo().TalFinns)
        vaentat["Ljud/oev"] = "True";
    EXPECT_EQ(skrivna(), vaentat);
    EXPECT_FALSE(modPluvo().PipVidFel);
}

TEST_F(FrmOptions2Test, SpecialPageStoresItsBoxesTheSecondsAndTheShuffle)
{
    oeppna();
    flik(4);
    klicka(d->chkVaend[0]);
    klicka(d->chkVaend[2]);
    klicka(d->chkMatchning);
    klicka(d->chkDoelj[0]);
    klicka(d->chkSlump);
    QTest::keyClick(d->cbxTid->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d->cbxTid->lineEdit(), "7");
    utfoer();
    EXPECT_EQ(skrivna(), (Nycklar{{"Special/v_r", "True"},
                                  {"Special/v_g", "False"},
                                  {"Special/ematch", "True"},
                                  {"Special/auto_s", "True"},
                                  {"Special/auto_tid", "7"},
                                  {"Filkatalog/Slump", "0"}}));
    EXPECT_EQ(modPluvo().AutoTid, 7);
    EXPECT_FALSE(modPluvo().SlumpOrdning);
    EXPECT_TRUE(modPluvo().ExaktMatchning);
}

TEST_F(FrmOptions2Test, DisketteWarningOnlyWhenTheTeacherChecksTheBox)
{
    skrivInstaellning("Special", "spd", "True");
    oeppna();
    EXPECT_TRUE(msgBox.anrop.empty());
    EXPECT_TRUE(d->chkSpara->isChecked());
    flik(4);
    klicka(d->chkSpara);
    EXPECT_TRUE(msgBox.anrop.empty());
    klicka(d->chkSpara);
    ASSERT_EQ(msgBox.anrop.size(), 1u);
    EXPECT_EQ(msgBox.anrop[0].text, QString::fromUtf8("En diskett skall alltid finnas i diskettfacket då detta är valt"));
}

TEST_F(FrmOptions2Test, ControlPageStoresMethodIntervalAndPointer)
{
    oeppna();
    flik(5);
    klicka(d->chkTangentrepetition);
    klicka(d->optSiffertavla[3]);
    QTest::keyClick(d->cbxEnTangent, Qt::Key_Down);
    QTest::keyClick(d->cbxEnTangent, Qt::Key_Down);
    EXPECT_EQ(d->cbxEnTangent->currentText(), "3 sek");
    klicka(d->chkMuspekare);
    utfoer();
    EXPECT_EQ(skrivna(), (Nycklar{{"Styrning/tan_r", "True"},
                                  {"Styrning/Alternativ", "3"},
                                  {"Styrning/i_v", "3"},
                                  {"Styrning/m_p", "False"}}));
    EXPECT_TRUE(modPluvo().TavlaPaa);
    EXPECT_FALSE(modPluvo().MusStyrning);
    EXPECT_TRUE(f->timEnTangent.Enabled());
    EXPECT_EQ(f->timEnTangent.Interval(), 3000);
    EXPECT_EQ(f->labMenyVal[0]->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FrmOptions2Test, FolderPageListsTheExercisesAndKeepsTheFolderCase)
{
    const QString mapp = program.path() + "/Mina Övningar";
    QDir().mkpath(mapp + "/Gamla Prov");
    for (const char* namn : {"Djur.rtt", "Glosor.GLO", "ljud.gls", "brev.txt"})
        skrivFil(mapp + "/" + namn, "[Pluvo 7.0.7]\r\n");
    skrivInstaellning("Filkatalog", "Path", mapp);
    oeppna();
    flik(6);
    QStringList filer;
    for (int i = 0; i < d->filInitial->count(); ++i)
        filer << d->filInitial->item(i)->text();
    EXPECT_EQ(filer, (QStringList{"Djur.rtt", "Glosor.GLO", "ljud.gls"}));

    // The teacher opens the folder in the tree and clicks the one below.
    auto* modell = static_cast<QFileSystemModel*>(d->dirInitial->model());
    const QModelIndex under = modell->index(mapp + "/Gamla Prov");
    d->dirInitial->expand(under.parent());
    for (int i = 0; i < 300 && !d->dirInitial->visualRect(under).isValid(); ++i)
        QTest::qWait(10);
    ASSERT_TRUE(d->dirInitial->visualRect(under).isValid());
    QTest::mouseClick(d->dirInitial->viewport(), Qt::LeftButton, {}, d->dirInitial->visualRect(under).center());
    EXPECT_EQ(d->labInitial->text(), mapp + "/Gamla Prov/");
    EXPECT_EQ(d->filInitial->count(), 0);
    utfoer();
    EXPECT_EQ(skrivna(), (Nycklar{{"Filkatalog/Path", mapp + "/Gamla Prov/"}}));
    EXPECT_EQ(modPluvo().OevningsMapp, mapp + "/Gamla Prov/");
}

// --- The chosen colour sample ---

TEST_F(FrmOptions2Test, ChosenSampleIsMarkedVisiblyAndKeepsItsCaptionWhole)
{
    oeppna();
    QWidget* sida = d->picOptions[0];
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        QGroupBox* prov = d->fraSample1[size_t(i)];
        klicka(d->labTal[size_t((i + 1) % 6)]);
        const QImage utan = sida->grab().toImage();
        klicka(d->labFel[size_t(i)]);
        const QImage med = sida->grab().toImage();
        const QRect r = prov->geometry();

        // The caption looks the same chosen or not.
        const int rubrik = QFontMetrics(prov->font()).height();
        EXPECT_TRUE(med.copy(r.x(), r.y(), r.width(), rubrik) == utan.copy(r.x(), r.y(), r.width(), rubrik));

        // Across the left, right and bottom edges some pixel of the marker
        // stands out from the sample's background.
        const QColor bakgrund = faergSchema(i)->bakgrund;
        const auto kontrast = [&](QPoint fraan, QPoint steg) {
            int stoersta = 0;
            for (QPoint p = fraan; r.contains(p) && (p - fraan).manhattanLength() < 10; p += steg)
                stoersta = std::max(stoersta, skillnad(med.pixel(p), bakgrund.rgb()));
            return stoersta;
        };
        const int mitt = r.top() + (rubrik + r.height()) / 2;
        EXPECT_GT(kontrast({r.left(), mitt}, {1, 0}), 300);
        EXPECT_GT(kontrast({r.right(), mitt}, {-1, 0}), 300);
        EXPECT_GT(kontrast({r.center().x(), r.bottom()}, {0, -1}), 300);
    }
}

TEST_F(FrmOptions2Test, EachSampleShowsItsExplanationAsReadableAsItsSchemeDoes)
{
    oeppna();
    const Skaermbild bild = Skaermbild::avFoenster(d.get());
    for (int i = 0; i < 6; ++i) {
        SaettStil(i);
        const double iFoenstret = kontrast(f->labFoerklaring[0]->ForeColor(), f->BackColor());
        const QRect text = textenPaaSkaermen(d->labTal[size_t(i)]);
        EXPECT_EQ(QColor(bild.bakgrund(text)), f->BackColor()) << i;
        EXPECT_NEAR(bild.kontrast(text), iFoenstret, 0.05 * iFoenstret) << i;
        EXPECT_GE(bild.kontrast(text), i == 3 || i == 5 ? 2.5 : 3) << i;
    }
}

// --- Enable rules ---

TEST_F(FrmOptions2Test, SpecialPageEnableRules)
{
    skrivInstaellning("Special", "v_i_s", "False");
    oeppna();
    flik(4);
    EXPECT_FALSE(d->chkByt[0]->isEnabled());
    EXPECT_FALSE(d->chkByt[1]->isEnabled());
    EXPECT_FALSE(d->chkDoelj[1]->isEnabled());
    EXPECT_FALSE(d->cbxTid->isEnabled());
    EXPECT_FALSE(d->labTid->isEnabled());

    klicka(d->chkVisa[0]);
    EXPECT_TRUE(d->chkByt[0]->isEnabled());
    EXPECT_FALSE(d->chkDoelj[1]->isEnabled());
    klicka(d->chkVisa[1]);
    EXPECT_TRUE(d->chkByt[1]->isEnabled());
    EXPECT_TRUE(d->chkDoelj[1]->isEnabled());
    EXPECT_FALSE(d->cbxTid->isEnabled());
    klicka(d->chkDoelj[1]);
    EXPECT_TRUE(d->cbxTid->isEnabled());
    EXPECT_TRUE(d->labTid->isEnabled());
    // Hiding in Test needs showing in Test.
    klicka(d->chkVisa[1]);
    EXPECT_FALSE(d->cbxTid->isEnabled());
    klicka(d->chkDoelj[0]);
    EXPECT_TRUE(d->cbxTid->isEnabled());
}

TEST_F(FrmOptions2Test, ControlPageEnableRules)
{
    oeppna();
    flik(5);
    EXPECT_TRUE(d->optSiffertavla[0]->isChecked());
    EXPECT_FALSE(d->chkNear->isEnabled());
    EXPECT_FALSE(d->fraGraens->isEnabled());
    EXPECT_FALSE(d->cbxEnTangent->isEnabled());
    EXPECT_FALSE(d->labIntervall->isEnabled());

    klicka(d->optSiffertavla[2]);
    EXPECT_TRUE(d->chkNear->isEnabled());
    EXPECT_TRUE(d->chkNear->isChecked());
    EXPECT_TRUE(d->optGraens[0]->isEnabled());
    EXPECT_FALSE(d->cbxEnTangent->isEnabled());
    klicka(d->chkNear);
    EXPECT_FALSE(d->fraGraens->isEnabled());
    EXPECT_FALSE(d->optGraens[1]->isEnabled());
    klicka(d->optSiffertavla[3]);
    EXPECT_TRUE(d->cbxEnTangent->isEnabled());
    EXPECT_TRUE(d->labIntervall->isEnabled());
    klicka(d->optSiffertavla[1]);
    EXPECT_FALSE(d->chkNear->isEnabled());
    EXPECT_FALSE(d->cbxEnTangent->isEnabled());
}

TEST_F(FrmOptions2Test, SecondsBoxCorrectsWhatIsTyped)
{
    skrivInstaellning("Special", "auto_tid", "4");
    skrivInstaellning("Special", "auto_s", "True");
    oeppna();
    flik(4);
    QLineEdit* rad = d->cbxTid->lineEdit();
    EXPECT_EQ(d->cbxTid->currentText(), "4");
    const auto skriv = [&](const char* text) {
        QTest::keyClick(rad, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(rad, text);
        return d->cbxTid->currentText();
    };
    EXPECT_EQ(skriv("0"), "1");
    EXPECT_EQ(skriv("11"), "10");
    EXPECT_EQ(skriv("abc"), "4");
    EXPECT_EQ(skriv("9"), "9");

    // A number too long for any whole number, pasted, is still above 10.
    QApplication::clipboard()->setText("99999999999999999999");
    QTest::keyClick(rad, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(rad, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d->cbxTid->currentText(), "10");
    utfoer();
    EXPECT_EQ(skrivna(), (Nycklar{{"Special/auto_tid", "10"}}));
    EXPECT_EQ(modPluvo().AutoTid, 10);
}

// --- Lock states ---

TEST_F(FrmOptions2Test, LockedAndViewOnlyPagesStayDisabledAndTheMessageSaysWhy)
{
    // Open settings enable the page shown, and only that one.
    oeppna();
    EXPECT_TRUE(msgBox.anrop.empty());
    EXPECT_TRUE(d->cmdApply->isEnabled());
    flik(5);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(d->picOptions[size_t(i)]->isEnabled(), i == 4);

    const std::pair<int, const char*> laegen[] = {{1, "Inställning är låst och kan ej ändras."},
                                                 {2, "Inställning visas endast."}};
    for (const auto& [laast, text] : laegen) {
        SCOPED_TRACE(laast);
        modPluvo().InstLaast = laast;
        msgBox.anrop.clear();
        d.reset();
        oeppna();
        ASSERT_EQ(msgBox.anrop.size(), 1u);
        EXPECT_EQ(msgBox.anrop[0].text, QString::fromUtf8(text));
        EXPECT_EQ(msgBox.anrop[0].rubrik, QString::fromUtf8("Inställning"));
        EXPECT_EQ(msgBox.anrop[0].ikon, MsgIkon::Information);
        EXPECT_FALSE(d->cmdApply->isEnabled());
        for (int n : {1, 4, 6, 2, 5, 3, 1}) {
            flik(n);
            for (QWidget* sida : d->picOptions)
                EXPECT_FALSE(sida->isEnabled()) << "tab " << n;
        }
        QTest::mouseClick(d->fraSample1[0], Qt::LeftButton);
        ok();
        EXPECT_EQ(skrivna(), Nycklar());
    }
}

// --- Keys ---

TEST_F(FrmOptions2Test, CtrlTabStepsThroughTheTabsAndWraps)
{
    oeppna();
    QWidget* fokus = d->tbsOptions;
    for (int i = 1; i <= 5; ++i) {
        QTest::keyClick(fokus, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d->tbsOptions->currentIndex(), i);
    }
    // From inside a page as well.
    QTest::keyClick(d->comInitial, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d->tbsOptions->currentIndex(), 0);
    QTest::keyClick(fokus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d->tbsOptions->currentIndex(), 0);
}

// --- Voices ---

using RoestTest = InstaellningsFixtur;

TEST_F(RoestTest, SameVoiceInBothListsTurnsTwoVoicesOff)
{
    skrivInstaellning("Ljud", "tvaa", "True");
    if (!ljudsidan(2))
        GTEST_SKIP() << "no speech engine with two voices";
    EXPECT_TRUE(d->chkTvaa->isChecked());
    EXPECT_EQ(d->comRoester->currentText(), d->comRoester2->currentText());
    utfoer();
    EXPECT_FALSE(d->chkTvaa->isChecked());
    EXPECT_FALSE(modPluvo().TvaaRoester);
    EXPECT_EQ(skrivna(), (Nycklar{{"Ljud/tvaa", "False"}}));
    EXPECT_TRUE(msgBox.anrop.empty());
}

TEST_F(RoestTest, ChosenVoiceIsSelectedStoredAndReportedAtEachApply)
{
    if (!ljudsidan(2))
        GTEST_SKIP() << "no speech engine with two voices";
    const QString foere = d->comRoester->currentText();
    QTest::keyClick(d->comRoester, Qt::Key_Down);
    const QString vald = d->comRoester->currentText();
    ASSERT_NE(vald, foere);
    EXPECT_EQ(d->comRoester2->currentText(), vald);
    utfoer();
    ok();
    ASSERT_EQ(msgBox.anrop.size(), 2u);
    EXPECT_EQ(msgBox.anrop[0].text, '"' + vald + QString::fromUtf8("\" har sparats som röst."));
    EXPECT_EQ(msgBox.anrop[0].ikon, MsgIkon::Utropstecken);
    EXPECT_EQ(msgBox.anrop[1].text, msgBox.anrop[0].text);
    EXPECT_EQ(f->tspPluvo.AktuellRoest().RoestNamn(), vald);
    EXPECT_EQ(skrivna(), (Nycklar{{"Roester/MOLVI Pluvo", vald}}));

    // The stored voice is found again in the next program run.
    d.reset();
    f.reset();
    f = startaTraeningsfoenster(program.path());
    EXPECT_TRUE(msgBox.anrop.size() == 2u);
    EXPECT_EQ(f->tspPluvo.AktuellRoest().RoestNamn(), vald);
}

TEST_F(RoestTest, TwoVoicesAreReportedWithTheirUse)
{
    if (!ljudsidan(2))
        GTEST_SKIP() << "no speech engine with two voices";
    klicka(d->chkTvaa);
    EXPECT_TRUE(d->comRoester2->isEnabled());
    QTest::keyClick(d->comRoester2, Qt::Key_Down);
    const QString roest2 = d->comRoester2->currentText();
    utfoer();
    ASSERT_EQ(msgBox.anrop.size(), 1u);
    EXPECT_EQ(msgBox.anrop[0].text,
              '"' + roest2 + QString::fromUtf8("\" har sparats som röst 2\r\nsom används till ordet."));
    EXPECT_EQ(skrivna(), (Nycklar{{"Ljud/tvaa", "True"}, {"Roester/MOLVI Pluvo2", roest2}}));
    EXPECT_EQ(f->tspPluvo2.AktuellRoest().RoestNamn(), roest2);
}

TEST_F(RoestTest, FailedChoiceShowsItsMessageAndStoresNothing)
{
    if (!ljudsidan(2))
        GTEST_SKIP() << "no speech engine with two voices";
    const QString foere = f->tspPluvo.AktuellRoest().RoestNamn();
    QTest::keyClick(d->comRoester, Qt::Key_Down);
    TextSpeaker::spaerraRoest(d->comRoester->currentText());
    utfoer();
    ASSERT_EQ(msgBox.anrop.size(), 1u);
    EXPECT_EQ(msgBox.anrop[0].text, QString::fromUtf8("Kunde inte välja röst 1"));
    EXPECT_EQ(msgBox.anrop[0].ikon, MsgIkon::Information);
    EXPECT_EQ(skrivna(), Nycklar());
    EXPECT_EQ(f->tspPluvo.AktuellRoest().RoestNamn(), foere);
}

TEST_F(RoestTest, WithoutSpeechTheVoiceControlsAreHidden)
{
    f = startaTraeningsfoenster(program.path());
    modPluvo().TalFinns = false;
    oeppna();
    for (QWidget* w : std::initializer_list<QWidget*>{d->chkTvaa, d->comRoester, d->comRoester2, d->labRoest,
                                                      d->labRoest2, d->chkLaesMeny, d->chkLaesOevning,
                                                      d->comAvancerat})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(d->labInfoUpplaes->isHidden());
    ok();
    EXPECT_EQ(skrivna(), Nycklar());
}

}  // namespace
