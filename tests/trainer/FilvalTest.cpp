// The on-screen file selector: listing by type, stepping, first-letter
// search, speech, placement and opening the file shown.
#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "platform/SettingsStore.h"
#include "support/TraeningsFixtur.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace TestSupport;

namespace {

class FilvalTest : public OevningsmappFixtur {
protected:
    // From the main menu: "Hämta" and the type's hot letter.
    static void oeppnaTyp(FrmPluvo& f, QChar typ)
    {
        tryckTecken(f, u'h');
        tryckTecken(f, typ);
    }

    static QString visat(const FrmPluvo& f) { return f.labFilnamn->Caption(); }

    // Every name the Down key shows, starting with the one shown now.
    static QStringList runtMedNer(FrmPluvo& f, int antal)
    {
        QStringList r{visat(f)};
        for (int i = 1; i < antal; ++i) {
            tryckTangent(f, Qt::Key_Down);
            r << visat(f);
        }
        return r;
    }
};

}  // namespace

TEST_F(FilvalTest, OneFileShowsNoArrowsAndSpaceKeepsIt)
{
    skrivOevning("ensam.rtt");
    skrivOevning("annan.ord");
    auto f = starta();
    oeppnaTyp(*f, u'r');
    ASSERT_EQ(tillstaand(), ListaRtt);
    EXPECT_EQ(f->filPluvo.ListCount(), 1);
    EXPECT_EQ(visat(*f), " ensam.rtt ");
    EXPECT_FALSE(f->labFilnamn->isHidden());
    EXPECT_TRUE(f->picUpp->isHidden());
    EXPECT_TRUE(f->picNer->isHidden());
    EXPECT_TRUE(f->imaMun->isHidden());
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up}) {
        tryckTangent(*f, k);
        EXPECT_EQ(visat(*f), " ensam.rtt ");
        EXPECT_EQ(f->FilIndex, 0);
        EXPECT_EQ(tillstaand(), ListaRtt);
    }
}

TEST_F(FilvalTest, StepsWrapBothWaysAndAreSpoken)
{
    for (const QString& namn : QStringList{"Citron.ord", "apa.ord", "Banan.ord"})
        skrivOevning(namn);
    auto f = starta();
    laesUpp();
    oeppnaTyp(*f, u'o');
    ASSERT_EQ(tillstaand(), ListaOrd);
    EXPECT_FALSE(f->picUpp->isHidden());
    EXPECT_FALSE(f->picNer->isHidden());
    // Names in a fixed order whatever their case, shown in lower case.
    EXPECT_EQ(runtMedNer(*f, 4), (QStringList{" apa.ord ", " banan.ord ", " citron.ord ", " apa.ord "}));
    EXPECT_EQ(m_talat.mid(m_talat.size() - 4),
              (QStringList{"Hämta övning,  apa.", " banan.", " citron.", " apa."}));

    tryckTangent(*f, Qt::Key_Up);
    EXPECT_EQ(visat(*f), " citron.ord ");
    EXPECT_EQ(f->FilIndex, 2);
    tryckTangent(*f, Qt::Key_Up);
    EXPECT_EQ(visat(*f), " banan.ord ");
    EXPECT_EQ(m_talat.last(), " banan.");

    tryckTangent(*f, Qt::Key_Space);
    tryckTangent(*f, Qt::Key_Space);
    EXPECT_EQ(visat(*f), " apa.ord ");

    // The arrow pictures step with any mouse button.
    QTest::mousePress(f->picNer, Qt::RightButton);
    EXPECT_EQ(visat(*f), " banan.ord ");
    QTest::mousePress(f->picUpp, Qt::LeftButton);
    QTest::mousePress(f->picUpp, Qt::LeftButton);
    EXPECT_EQ(visat(*f), " citron.ord ");
    EXPECT_EQ(tillstaand(), ListaOrd);
}

TEST_F(FilvalTest, GlosorListsBothKindsWithTheMouthOnlyBesideSounds)
{
    skrivOevning("djur.glo");
    skrivOevning("Fraser.GLS");
    skrivOevning("mat.gls");
    skrivOevning("ord.rtt");
    skrivOevning("x.tst");
    auto f = starta();
    oeppnaTyp(*f, u'g');
    ASSERT_EQ(tillstaand(), ListaGlo);
    ASSERT_EQ(f->filPluvo.ListCount(), 3);
    QStringList namn;
    QList<bool> mun;
    for (int i = 0; i < 3; ++i) {
        namn << visat(*f);
        mun << !f->imaMun->isHidden();
        tryckTangent(*f, Qt::Key_Down);
    }
    EXPECT_EQ(namn, (QStringList{" djur.glo ", " fraser.gls ", " mat.gls "}));
    EXPECT_EQ(mun, (QList<bool>{false, true, true}));
}

TEST_F(FilvalTest, OpensOnTheCurrentExercise)
{
    for (const QString& namn : QStringList{"apa.glo", "Djur.glo", "zebra.gls", "hus.rtt"})
        skrivOevning(namn);
    {
        auto f = starta("Djur.glo");
        oeppnaTyp(*f, u'g');
        EXPECT_EQ(visat(*f), " djur.glo ");
        EXPECT_EQ(f->FilIndex, 1);
    }
    {
        nyStart();
        skrivInstaellning("Filkatalog", "Path", m_oevningar);
        auto f = starta("zebra.gls");
        oeppnaTyp(*f, u'g');
        EXPECT_EQ(visat(*f), " zebra.gls ");
        EXPECT_FALSE(f->imaMun->isHidden());
    }
    {
        // An exercise of another type: the first name.
        nyStart();
        skrivInstaellning("Filkatalog", "Path", m_oevningar);
        auto f = starta("hus.rtt");
        oeppnaTyp(*f, u'g');
        EXPECT_EQ(visat(*f), " apa.glo ");
        EXPECT_EQ(f->FilIndex, 0);
    }
    {
        // An exercise from another folder that is not in this one.
        nyStart();
        skrivInstaellning("Filkatalog", "Path", m_oevningar);
        skrivFil(m_program.path() + "/annan/kust.glo", "[Pluvo 7.0.7]\r\nhav\r\n");
        skrivInstaellning("Aktuell", "Filnamn", m_program.path() + "/annan/kust.glo");
        auto f = starta();
        ASSERT_EQ(modPluvo().OevningsTyp, 3);
        oeppnaTyp(*f, u'g');
        EXPECT_EQ(visat(*f), " apa.glo ");
    }
}

TEST_F(FilvalTest, CurrentExerciseFoundFromTheCurrentExerciseLine)
{
    for (const QString& namn : QStringList{"apa.glo", "Djur.glo", "djur.gls"})
        skrivOevning(namn);
    auto f = starta();
    f->filPluvo.setPattern("*.glo;*.gls");
    f->filPluvo.setPath(m_oevningar);
    f->filPluvo.Refresh();
    f->AktuellSoekvaeg.clear();
    modPluvo().OevningsTyp = 5;
    f->labAktuell->setCaption("Aktuell övning: Glosor med ljud - djur");
    EXPECT_EQ(f->AktuellFilIndex(), 2);
    modPluvo().OevningsTyp = 3;
    f->labAktuell->setCaption("Aktuell övning: Glosor - djur");
    EXPECT_EQ(f->AktuellFilIndex(), 1);
    f->labAktuell->setCaption("Aktuell övning: Ej inläst");
    EXPECT_EQ(f->AktuellFilIndex(), 0);
}

TEST_F(FilvalTest, FirstLetterSearchWrapsAndLeavesTheNameWithoutAMatch)
{
    for (const QString& namn : QStringList{"apa.glo", "Bil.glo", "björn.gls", "cykel.glo", "öga.glo"})
        skrivOevning(namn);
    auto f = starta();
    laesUpp();
    oeppnaTyp(*f, u'g');
    ASSERT_EQ(visat(*f), " apa.glo ");

    tryckTecken(*f, u'b');
    EXPECT_EQ(visat(*f), " bil.glo ");
    EXPECT_TRUE(f->imaMun->isHidden());
    EXPECT_EQ(m_talat.last(), " bil.");
    tryckTecken(*f, u'B');
    EXPECT_EQ(visat(*f), " björn.gls ");
    EXPECT_FALSE(f->imaMun->isHidden());
    EXPECT_EQ(m_talat.last(), " björn.");
    tryckTecken(*f, u'b');
    EXPECT_EQ(visat(*f), " bil.glo ");
    EXPECT_TRUE(f->TangentNere || !modPluvo().SpaerraRepetition);

    // Round the end of the list.
    tryckTecken(*f, u'ö');
    EXPECT_EQ(visat(*f), " öga.glo ");
    tryckTecken(*f, u'a');
    EXPECT_EQ(visat(*f), " apa.glo ");
    EXPECT_EQ(f->FilIndex, 0);

    // No name with the letter, or only the one shown: nothing changes.
    const int talade = m_talat.size();
    tryckTecken(*f, u'x');
    EXPECT_EQ(visat(*f), " apa.glo ");
    EXPECT_EQ(f->FilIndex, 0);
    tryckTecken(*f, u'a');
    EXPECT_EQ(visat(*f), " apa.glo ");
    EXPECT_EQ(f->FilIndex, 0);
    EXPECT_EQ(m_talat.size(), talade);
    EXPECT_EQ(tillstaand(), ListaGlo);

    // The search marks the key as held.
    f->TangentNere = false;
    f->HanteraTecken('x');
    EXPECT_TRUE(f->TangentNere);
}

TEST_F(FilvalTest, AMixedCaseNameIsShownLowerAndLoadedByItsRealName)
{
    skrivOevning("Djur.GLO", "Hund (dog)\r\nKatt (cat)\r\nHäst (horse)\r\n");
    auto f = starta();
    oeppnaTyp(*f, u'g');
    ASSERT_EQ(visat(*f), " djur.glo ");
    tryckTangent(*f, Qt::Key_Return);
    const ModPluvo& m = modPluvo();
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(m.OevningsTyp, 3);
    EXPECT_EQ(m.AntalOrd, 3);
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
    EXPECT_TRUE(f->AktuellSoekvaeg.endsWith("/Djur.GLO"));
    EXPECT_TRUE(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()).endsWith("/Djur.GLO"));
    EXPECT_TRUE(f->txtLoggbok.text().startsWith("**** Aktuell övning: Glosor - djur - "));
    EXPECT_TRUE(f->labFilnamn->isHidden());
    EXPECT_TRUE(f->picUpp->isHidden());
    EXPECT_TRUE(f->picNer->isHidden());
    EXPECT_TRUE(f->imaMun->isHidden());
    EXPECT_FALSE(f->labMenyVal[0]->isHidden());
    EXPECT_TRUE(m_meddelanden.texter.isEmpty());

    // The selector opens on it again, whatever the case of its name.
    oeppnaTyp(*f, u'g');
    EXPECT_EQ(visat(*f), " djur.glo ");
}

TEST_F(FilvalTest, AClickOnTheNameLoadsItAndAlwaysReturnsToTheMainMenu)
{
    skrivOevning("bra.rtt", "sol\r\n");
    skrivOevning("tom.rtt", "");
    auto f = starta("bra.rtt");
    ASSERT_EQ(modPluvo().OevningsTyp, 1);
    oeppnaTyp(*f, u'r');
    ASSERT_EQ(visat(*f), " bra.rtt ");
    tryckTangent(*f, Qt::Key_Down);
    ASSERT_EQ(visat(*f), " tom.rtt ");
    QTest::mouseClick(f->labFilnamn, Qt::LeftButton);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_EQ(m_meddelanden.texter, QStringList{"Övningen innehåller inga godkända ord"});
    // The exercise before stays current.
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Rättstavning - bra");
    EXPECT_EQ(modPluvo().OevningsTyp, 1);
    EXPECT_TRUE(f->labFilnamn->isHidden());
}

TEST_F(FilvalTest, AScanTickDuringTheLoadingMessageLeavesTheClosedListAlone)
{
    skrivOevning("tom.glo", "");
    skrivOevning("zebra.gls", "zebra (sebra)\r\n");
    auto f = starta();
    oeppnaTyp(*f, u'g');
    ASSERT_EQ(visat(*f), " tom.glo ");
    // The one-key scan goes on while the message is up.
    m_meddelanden.medanOeppet = [&] {
        f->timEnTangent_Timer();
        f->timEnTangent_Timer();
        f->timEnTangent_Timer();
        return true;
    };
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_EQ(m_meddelanden.texter, QStringList{"Övningen innehåller inga godkända ord"});
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_EQ(visat(*f), " tom.glo ");
    EXPECT_TRUE(f->imaMun->isHidden());
    EXPECT_TRUE(f->labFilnamn->isHidden());
}

TEST_F(FilvalTest, ATypeWithoutFilesGivesTheMessageAndTheMainMenu)
{
    skrivOevning("a.rtt");
    auto f = starta();
    oeppnaTyp(*f, u't');  // not a type key: stays in the type menu
    ASSERT_EQ(tillstaand(), HaemtaMeny);
    tryckTecken(*f, u'ö');
    EXPECT_EQ(m_meddelanden.texter, QStringList{" Övningar av denna typ saknas. "});
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_EQ(f->labMeny->Caption(), "Träna stavning");
    EXPECT_EQ(f->labMenyVal[0]->Caption(), "Pluvo");
    EXPECT_FALSE(f->labMenyVal[4]->isHidden());
    EXPECT_TRUE(f->labFilnamn->isHidden());
    EXPECT_TRUE(f->picUpp->isHidden());
}

TEST_F(FilvalTest, AMissingFolderCountsAsNoFiles)
{
    skrivOevning("a.glo");
    auto f = starta();
    modPluvo().OevningsMapp = m_program.path() + "/borta";
    oeppnaTyp(*f, u'g');
    EXPECT_EQ(m_meddelanden.texter, QStringList{" Övningar av denna typ saknas. "});
    EXPECT_EQ(tillstaand(), Huvudmeny);

    // Removed while the program runs.
    modPluvo().OevningsMapp = m_oevningar;
    ASSERT_TRUE(QDir(m_oevningar).removeRecursively());
    m_meddelanden.texter.clear();
    oeppnaTyp(*f, u'g');
    EXPECT_EQ(m_meddelanden.texter, QStringList{" Övningar av denna typ saknas. "});
    EXPECT_EQ(tillstaand(), Huvudmeny);
}

TEST_F(FilvalTest, AnUnreadableFolderCountsAsNoFiles)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the super-user reads every folder";
    skrivOevning("a.glo");
    auto f = starta();
    QFile::setPermissions(m_oevningar, QFileDevice::WriteOwner);
    oeppnaTyp(*f, u'g');
    QFile::setPermissions(m_oevningar, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(m_meddelanden.texter, QStringList{" Övningar av denna typ saknas. "});
    EXPECT_EQ(tillstaand(), Huvudmeny);
}

TEST_F(FilvalTest, TheNameStandsInTheMenuBoxBetweenTheArrows)
{
    skrivOevning("a.glo");
    skrivOevning("b.gls");
    auto f = starta();
    laesUpp();
    m_talat.clear();
    oeppnaTyp(*f, u'g');
    tryckTangent(*f, Qt::Key_Down);
    for (const Etikett* val : f->labMenyVal)
        EXPECT_TRUE(val->isHidden());
    EXPECT_EQ(f->labMeny->Caption(), "Hämta övning");

    const Etikett* lab = f->labFilnamn;
    const QRect box = f->shaRam[1]->geometry();
    EXPECT_EQ(lab->x(), box.x());
    EXPECT_EQ(lab->width(), box.width());
    EXPECT_NEAR(lab->y(), box.y() + (box.height() - lab->height()) / 2.0, 1);
    EXPECT_EQ(lab->ForeColor(), f->labOrd[0]->ForeColor());
    EXPECT_EQ(lab->font().family(), f->labMenyVal[0]->font().family());
    EXPECT_EQ(lab->FontSize(), f->labMenyVal[0]->FontSize());

    EXPECT_EQ(f->picUpp->geometry().bottom() + 1, lab->y());
    EXPECT_EQ(f->picNer->y(), lab->geometry().bottom() + 1);
    EXPECT_EQ(f->picNer->x(), f->picUpp->x());
    EXPECT_NEAR(f->picUpp->x(), box.x() + (box.width() - f->picUpp->width()) / 2.0, 1);
    EXPECT_NEAR(Twips::Left(f->imaMun), Twips::Left(f->picUpp) + Twips::Width(f->picUpp) * 11 / 10, Twips::PerPixel);
    EXPECT_NEAR(Twips::Top(f->imaMun),
                Twips::Top(f->picUpp) + (Twips::Height(f->picUpp) - Twips::Height(f->imaMun)) / 2, Twips::PerPixel);
    EXPECT_FALSE(f->imaMun->isHidden());
    // The selector leaves the type menu's scan wait alone.
    EXPECT_EQ(modPluvo().SkanningsVaentan, 2);
}

TEST_F(FilvalTest, ALongNameIsNotCutOff)
{
    const QString laang = "en_mycket_laang_oevning_med_maanga_ord_i_sitt_namn.rtt";
    skrivOevning(laang);
    auto f = starta();
    oeppnaTyp(*f, u'r');
    const Etikett* lab = f->labFilnamn;
    EXPECT_GE(lab->width(), lab->sizeHint().width());
    // Still centred on the box.
    const QRect box = f->shaRam[1]->geometry();
    EXPECT_NEAR(lab->x() + lab->width() / 2.0, box.x() + box.width() / 2.0, 1);
}

TEST_F(FilvalTest, FirstLetterSearchFindsANameWithASeparateAccentMark)
{
    skrivOevning("apa.glo");
    skrivOevning(QString::fromUtf8("o\xCC\x88ra.glo"));  // "öra" as o and a combining diaeresis
    auto f = starta();
    oeppnaTyp(*f, u'g');
    ASSERT_EQ(f->filPluvo.ListCount(), 2);
    ASSERT_EQ(visat(*f), " apa.glo ");
    tryckTecken(*f, u'ö');
    EXPECT_EQ(f->FilIndex, 1);
    tryckTecken(*f, u'o');
    EXPECT_EQ(f->FilIndex, 1);
}
