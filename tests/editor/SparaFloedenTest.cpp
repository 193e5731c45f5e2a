// The questions that stand between a teacher's list and its loss.
#include "RedigerarFixtur.h"

#include "editor/Uppgiftsfoenster.h"
#include "support/Foensterstyrning.h"
#include "support/Skrivskydd.h"
#include "support/TestSupport.h"

#include <QTest>

using TestSupport::ansi;
using TestSupport::lasFil;
using TestSupport::medFullDisk;
using TestSupport::medModal;
using TestSupport::skrivFil;

namespace {

const QString SparasFoerst = QString::fromUtf8("Skall [namnlös] sparas först?");

}  // namespace

TEST_F(RedigerarTest, AvbrytVidNyBehaallerAllt)
{
    starta("glo");
    uppgifter = {"ett (one)", "tv\u00e5 (two)"};
    klicka("comRedigera0");
    ASSERT_EQ(lista().size(), 2);
    svar = {MsgSvar::Avbryt};
    vaelj({"&Arkiv", "&Ny", QString::fromUtf8("&Rättstavning...")});
    ASSERT_EQ(meddelanden.size(), 1u);
    EXPECT_EQ(meddelanden[0].text, SparasFoerst);
    EXPECT_EQ(meddelanden[0].knappar, MsgKnappar::JaNejAvbryt);
    EXPECT_EQ(lista().size(), 2);
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Glosor - [namnlös]"));

    // No goes on without saving.
    svar = {MsgSvar::Nej};
    vaelj({"&Arkiv", "&Ny", QString::fromUtf8("&Rättstavning...")});
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - [namnlös]"));
    EXPECT_TRUE(sparaAnrop.empty());
}

TEST_F(RedigerarTest, JaMedAvbrutenSparaSomBehaallerListanOchFoenstret)
{
    starta("rtt");
    uppgifter = {"ett"};
    klicka("comRedigera0");

    // Closing: Yes, then the save dialog is cancelled.
    svar = {MsgSvar::Ja};
    vaelj({"&Arkiv", "&Avsluta"});
    ASSERT_EQ(meddelanden.size(), 1u);
    EXPECT_EQ(meddelanden[0].text, QString::fromUtf8("Övningen [namnlös] är ej sparad.\r\nSkall den sparas först?"));
    EXPECT_EQ(meddelanden[0].rubrik, QString("Avsluta"));
    EXPECT_EQ(sparaAnrop.size(), 1u);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(lista(), QStringList({"ett"}));

    // "Ny", Yes, cancelled dialog: nothing changes.
    svar = {MsgSvar::Ja};
    vaelj({"&Arkiv", "&Ny", "&Glosor..."});
    EXPECT_EQ(sparaAnrop.size(), 2u);
    EXPECT_EQ(lista(), QStringList({"ett"}));
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - [namnlös]"));

    // "Öppna" asks too, and Cancel keeps the list without opening.
    skrivFil(fil("annan.rtt"), ansi("[Pluvo 7.0.7]\r\nannan\r\n"));
    svar = {MsgSvar::Avbryt};
    oeppna(fil("annan.rtt"));
    EXPECT_EQ(meddelanden.back().text, SparasFoerst);
    EXPECT_TRUE(oeppnaAnrop.empty());
    EXPECT_EQ(lista(), QStringList({"ett"}));

    // Closing with Yes and a real name saves and closes.
    sparaSvar = SparaDialogSvar{fil("ny"), 1};
    svar = {MsgSvar::Ja};
    vaelj({"&Arkiv", "&Avsluta"});
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(lasFil(fil("ny.rtt")), ansi("[Pluvo 7.0.7]\r\nett\r\n"));
}

TEST_F(RedigerarTest, SparaSomLaeggerTillTypensAendelse)
{
    starta("rtt");
    uppgifter = {"ord (word)"};
    klicka("comRedigera0");
    sparaSvar = SparaDialogSvar{fil("lista"), 2};
    vaelj({"&Arkiv", "S&para som..."});
    ASSERT_EQ(sparaAnrop.size(), 1u);
    EXPECT_EQ(sparaAnrop[0].filterIndex, 1);
    EXPECT_EQ(sparaAnrop[0].filnamn, QString());
    EXPECT_EQ(lasFil(fil("lista.ord")), ansi("[Pluvo 7.0.7]\r\nord (word)\r\n"));
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Ordkunskap - lista.ord"));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Spara"}));

    // The next save as offers the name; an existing file is only replaced
    // on Yes.
    sparaSvar = SparaDialogSvar{fil("lista.ord"), 2};
    skrivFil(fil("lista.ord"), "gammal");
    svar = {MsgSvar::Nej};
    vaelj({"&Arkiv", "S&para som..."});
    EXPECT_EQ(sparaAnrop[1].filnamn, QString("lista.ord"));
    EXPECT_EQ(meddelanden.back().rubrik, QString("Spara som"));
    EXPECT_EQ(lasFil(fil("lista.ord")), QByteArray("gammal"));
}

TEST_F(RedigerarTest, MisslyckadSkrivningBehaallerGamlaFilenOchRapporteras)
{
    const QByteArray gammal = ansi("[Pluvo 7.0.7]\r\nett\r\ntv\u00e5\r\n");
    skrivFil(fil("lista.rtt"), gammal);
    starta("rtt");
    oeppna(fil("lista.rtt"));
    uppgifter = {QString("l\u00e4ngre ord som inte ryms")};
    klicka("comRedigera0");

    medFullDisk([&] { vaelj({"&Arkiv", "&Spara"}); });

    ASSERT_EQ(meddelanden.size(), 1u);
    EXPECT_EQ(meddelanden[0].text, QString("Ett fel uppstod vid skrivning!"));
    EXPECT_EQ(meddelanden[0].rubrik, QString("Spara"));
    EXPECT_EQ(lasFil(fil("lista.rtt")), gammal);
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Spara"}));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Ta bort"}));

    // Closing after the failure asks again, and a failed save keeps the window.
    svar = {MsgSvar::Ja};
    medFullDisk([&] { vaelj({"&Arkiv", "&Avsluta"}); });
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(lasFil(fil("lista.rtt")), gammal);
}

TEST_F(RedigerarTest, AFailedSaveSaysWhyAndLosesNothing)
{
    const QByteArray gammal = ansi("[Pluvo 7.0.7]\r\nett\r\n");
    skrivFil(fil("skyddad/lista.rtt"), gammal);
    skrivFil(fil("annan.rtt"), gammal);
    TestSupport::Skrivskydd mappen(fil("skyddad")), filen(fil("annan.rtt"));
    if (!(mappen.fel + filen.fel).isEmpty())
        GTEST_SKIP() << (mappen.fel + filen.fel).toStdString();
    starta("rtt");
    oeppna(fil("skyddad/lista.rtt"));
    uppgifter = {"tre"};
    klicka("comRedigera0");
    const auto sagt = [&](const QString& orsak) {
        ASSERT_FALSE(meddelanden.empty());
        EXPECT_EQ(meddelanden.back().text, "Ett fel uppstod vid skrivning!\r\n" + orsak);
        EXPECT_EQ(lista(), QStringList({"ett", "tre"}));
        EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - lista.rtt"));
        EXPECT_TRUE(aerPaa({"&Arkiv", "&Spara"}));
    };

    vaelj({"&Arkiv", "&Spara"});
    sagt(QString::fromUtf8("Det går inte att spara i mappen ") + fil("skyddad") + ".");
    svar = {MsgSvar::Ja};  // replace it
    sparaSvar = SparaDialogSvar{fil("annan.rtt"), 1};
    vaelj({"&Arkiv", "S&para som..."});
    sagt(fil("annan.rtt") + QString::fromUtf8(" är skrivskyddad."));
    sparaSvar = SparaDialogSvar{fil("saknas/ny"), 1};
    vaelj({"&Arkiv", "S&para som..."});
    sagt("Mappen " + fil("saknas") + " finns inte.");
    EXPECT_EQ(lasFil(fil("skyddad/lista.rtt")), gammal);
    EXPECT_EQ(lasFil(fil("annan.rtt")), gammal);
}

TEST_F(RedigerarTest, TeckenUtanKodStopparSparandetOchNamnges)
{
    const QByteArray gammal = ansi("[Pluvo 7.0.7]\r\nett\r\n");
    skrivFil(fil("lista.rtt"), gammal);
    starta("rtt");
    oeppna(fil("lista.rtt"));
    uppgifter = {QString::fromUtf8("ωμέγα")};
    klicka("comRedigera0");
    vaelj({"&Arkiv", "&Spara"});
    ASSERT_EQ(meddelanden.size(), 1u);
    EXPECT_TRUE(meddelanden[0].text.contains(QString::fromUtf8("\"ω\" i rad 2"))) << meddelanden[0].text.toStdString();
    EXPECT_EQ(meddelanden[0].rubrik, QString("Spara"));
    EXPECT_EQ(lasFil(fil("lista.rtt")), gammal);
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Spara"}));
}

TEST_F(RedigerarTest, TaBortSparadRaderarFilenEfterJa)
{
    // The path is shown with its own capitals, or it would name another file.
    const QString namn = fil("Mapp/Lista.rtt");
    skrivFil(namn, ansi("[Pluvo 7.0.7]\r\nett\r\n"));
    starta("rtt");
    oeppna(namn);
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - lista.rtt"));
    EXPECT_EQ(visad({"&Arkiv", "&Ta bort"})->text(), "&Ta bort " + namn + "...");
    EXPECT_EQ(visad({"&Arkiv", "&Skriv ut"})->text(), "&Skriv ut " + namn + "...");

    svar = {MsgSvar::Nej};
    vaelj({"&Arkiv", "&Ta bort"});
    EXPECT_EQ(meddelanden.back().text, "Vill du ta bort " + namn);
    EXPECT_TRUE(QFile::exists(namn));

    svar = {MsgSvar::Ja};
    vaelj({"&Arkiv", "&Ta bort"});
    EXPECT_FALSE(QFile::exists(namn));
    EXPECT_EQ(meddelanden.back().text, namn + " har tagits bort!");
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - [namnlös]"));
    EXPECT_FALSE(knappPaa(4));

    // The empty list has nothing to save first: "Ny" asks nothing.
    const size_t fraagor = meddelanden.size();
    vaelj({"&Arkiv", "&Ny", "&Glosor..."});
    EXPECT_EQ(meddelanden.size(), fraagor);
    EXPECT_TRUE(sparaAnrop.empty());
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Glosor - [namnlös]"));
}

TEST_F(RedigerarTest, OfoeraendradUppgiftEllerTextAerIngenAendring)
{
    skrivFil(fil("abc.rtt"), ansi("[Pluvo 7.0.7]\r\na (x)\r\nb\r\n"));
    starta("rtt");
    oeppna(fil("abc.rtt"));
    saettUppgiftsfoensterHanterare({});  // the real item window
    markera(0);
    const auto tryckI = [](const char* knapp) {
        medModal([knapp](QWidget& w) { QTest::mouseClick(w.findChild<QPushButton*>(knapp), Qt::LeftButton); });
    };
    // Esc, then OK on the untouched item, then the text window's Avbryt.
    medModal([](QWidget& w) { QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_Escape); });
    klicka("comRedigera1");
    tryckI("comOK");
    klicka("comRedigera1");
    tryckI("comSkrivIn2");
    klicka("comSkrivIn");
    EXPECT_EQ(lista(), QStringList({"a (x)", "b"}));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Spara"}));

    vaelj({"&Arkiv", "&Avsluta"});
    EXPECT_TRUE(meddelanden.empty());
    EXPECT_FALSE(f->isVisible());

    // Nor does an empty list from the latest errors ask before "Ny".
    starta("senaste fel", {});
    vaelj({"&Arkiv", "&Ny", "&Glosor..."});
    EXPECT_TRUE(meddelanden.empty());
}
