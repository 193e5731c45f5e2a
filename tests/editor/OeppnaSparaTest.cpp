// Opening exercise files and writing them back.
#include "RedigerarFixtur.h"

#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>

using TestSupport::ansi;
using TestSupport::lasFil;
using TestSupport::skrivFil;

namespace {

const QByteArray Kanonisk = ansi(QString::fromUtf8(
    "[Pluvo 7.0.7]\r\n"
    "thread (tråd)\r\n"
    "ödla[öd-la] (ett kräldjur)[kräl-djur]\r\n"
    "Äpple\r\n"
    "kör (åka bil)\r\n"));

}  // namespace

TEST_F(RedigerarTest, SparaSkriverTillbakaSammaBytes)
{
    skrivFil(fil("lista.glo"), Kanonisk);
    starta("rtt");
    oeppna(fil("lista.glo"));
    EXPECT_EQ(lista().size(), 4);
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Glosor - lista.glo"));
    EXPECT_TRUE(meddelanden.empty());
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Spara"}));  // nothing to save yet

    // A move there and back leaves the list as it was but unsaved.
    klicka("comRedigera3");
    klicka("comRedigera2");
    ASSERT_TRUE(aerPaa({"&Arkiv", "&Spara"}));
    vaelj({"&Arkiv", "&Spara"});
    EXPECT_EQ(lasFil(fil("lista.glo")), Kanonisk);
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Spara"}));
    EXPECT_TRUE(meddelanden.empty());
}

TEST_F(RedigerarTest, AeldreVersionKonverterasVidJaMenInteVidNej)
{
    skrivFil(fil("orord.rtt"), QByteArray("\x8F" "sa (b\x84r)\r\n"));
    skrivFil(fil("gammal.rtt"), QByteArray("\x8F" "sa (b\x84r)\r\n\r\nk\x94r\r\n"));
    starta("glo");
    svar = {MsgSvar::Nej};
    oeppna(fil("orord.rtt"));
    EXPECT_EQ(lista(), QStringList({QString(QChar(0x8F)) + QString::fromUtf8("sa (b„r)")}));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Spara"}));
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Ta bort"}));

    svar = {MsgSvar::Ja};
    oeppna(fil("gammal.rtt"));
    ASSERT_EQ(meddelanden.size(), 2u);
    EXPECT_EQ(meddelanden[1].text, QString::fromUtf8("Denna övning tycks ha skapats med en äldre version av Pluvo.\r\n"
                                                     "Skall övningen konverteras vid inläsning?"));
    EXPECT_EQ(meddelanden[1].knappar, MsgKnappar::JaNej);
    EXPECT_EQ(meddelanden[1].rubrik, QString("Pluvo"));
    EXPECT_EQ(lista(), QStringList({QString::fromUtf8("Åsa (bär)"), QString::fromUtf8("kör")}));
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - gammal.rtt"));
    // A converted list differs from its file.
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Spara"}));
    vaelj({"&Arkiv", "&Spara"});
    EXPECT_EQ(lasFil(fil("gammal.rtt")), ansi(QString::fromUtf8("[Pluvo 7.0.7]\r\nÅsa (bär)\r\nkör\r\n")));
}

TEST_F(RedigerarTest, OeppnaMedLjudBytersBild)
{
    skrivFil(fil("djur.gls"), ansi("[Pluvo 7.0.7]\r\nko[\\ljud\\ko.wav{0,900}]\r\n"));
    skrivFil(fil("ord.rtt"), ansi("[Pluvo 7.0.7]\r\nord\r\n"));
    starta("rtt");
    QLabel* mun = f->findChild<QLabel*>("imaMun");
    EXPECT_TRUE(mun->isHidden());
    oeppna(fil("djur.gls"));
    EXPECT_FALSE(mun->isHidden());
    EXPECT_EQ(oeppnaAnrop.back().filterIndex, 1);
    oeppna(fil("ord.rtt"));
    EXPECT_TRUE(mun->isHidden());
    EXPECT_EQ(oeppnaAnrop.back().filterIndex, 4);  // "Glosor med ljud" in the open filter
    EXPECT_EQ(oeppnaAnrop.back().startmapp, mapp.path() + "/");
}

TEST_F(RedigerarTest, LaesfelGerNamnloesOchOsparadLista)
{
    skrivFil(fil("lista.rtt"), ansi("[Pluvo 7.0.7]\r\nett\r\n"));
    starta("rtt");
    oeppna(fil("saknas.rtt"));
    ASSERT_EQ(meddelanden.size(), 1u);
    EXPECT_EQ(meddelanden[0].text, QString::fromUtf8("Ett fel uppstod vid filhämtning!"));
    EXPECT_EQ(meddelanden[0].rubrik, QString::fromUtf8("Öppna"));
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - [namnlös]"));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Ta bort"}));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Spara"}));
}

TEST_F(RedigerarTest, TomSparadOevningKanInteSkrivasUt)
{
    skrivFil(fil("tom.rtt"), ansi("[Pluvo 7.0.7]\r\n"));
    starta("rtt");
    oeppna(fil("tom.rtt"));
    EXPECT_TRUE(meddelanden.empty());
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Ta bort"}));
    EXPECT_FALSE(aerPaa({"&Arkiv", "&Skriv ut"}));

    uppgifter = {"ett"};
    klicka("comRedigera0");
    vaelj({"&Arkiv", "&Spara"});
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Skriv ut"}));
}

TEST_F(RedigerarTest, OnlyExerciseFilesAreOpenedOrSavedNeverTheSettings)
{
    const QString installningar = SettingsStore::filnamn();
    skrivFil(installningar, "[Visa]\r\nInst=1\r\n");
    skrivFil(fil("anteckning.txt"), "text");
    ASSERT_TRUE(QFile::link(installningar, fil("lenk.rtt")));
    starta("rtt");
    const auto vaegrat = [&](const QString& soekvaeg, const QString& rubrik) {
        ASSERT_FALSE(meddelanden.empty());
        EXPECT_EQ(meddelanden.back().text,
                  soekvaeg + QString::fromUtf8(" är ingen övningsfil.\r\nÖvningar har ändelsen .rtt, .ord, .glo, "
                                               ".gls eller .tst."));
        EXPECT_EQ(meddelanden.back().rubrik, rubrik);
        meddelanden.clear();
    };
    for (const QString& soekvaeg : {installningar, fil("anteckning.txt"), fil("lenk.rtt")}) {
        oeppna(soekvaeg);
        vaegrat(soekvaeg, QString::fromUtf8("Öppna"));
        EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - [namnlös]"));
        EXPECT_FALSE(aerPaa({"&Arkiv", "&Ta bort"}));
    }

    uppgifter = {"ett"};
    klicka("comRedigera0");
    sparaSvar = SparaDialogSvar{fil("lenk.rtt"), 1};
    vaelj({"&Arkiv", "S&para som..."});
    vaegrat(fil("lenk.rtt"), "Spara som");
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Rättstavning - [namnlös]"));

    EXPECT_EQ(lasFil(installningar), "[Visa]\r\nInst=1\r\n");
    EXPECT_EQ(lasFil(fil("anteckning.txt")), "text");
}

TEST_F(RedigerarTest, ALinkIsNeverSavedOver)
{
    skrivFil(fil("anteckning.txt"), "text");
    ASSERT_TRUE(QFile::link(fil("anteckning.txt"), fil("x.rtt")));
    ASSERT_TRUE(QFile::link(fil("ny.txt"), fil("tom.rtt")));  // names a file not yet there
    starta("rtt");
    svar = {MsgSvar::Nej};  // not converted
    oeppna(fil("x.rtt"));
    uppgifter = {"ett"};
    klicka("comRedigera0");
    vaelj({"&Arkiv", "&Spara"});
    sparaSvar = SparaDialogSvar{fil("tom.rtt"), 1};
    vaelj({"&Arkiv", "S&para som..."});

    const QString laenk = QString::fromUtf8(
        " är en länk till en annan fil och skrivs inte över.\r\nSpara övningen under ett annat namn.");
    ASSERT_EQ(meddelanden.size(), 3u);
    EXPECT_EQ(meddelanden[1].text, fil("x.rtt") + laenk);
    EXPECT_EQ(meddelanden[2].text, fil("tom.rtt") + laenk);
    EXPECT_EQ(lista(), QStringList({"text", "ett"}));
    EXPECT_TRUE(aerPaa({"&Arkiv", "&Spara"}));
    EXPECT_EQ(lasFil(fil("anteckning.txt")), "text");
    EXPECT_FALSE(QFileInfo::exists(fil("ny.txt")));
}
