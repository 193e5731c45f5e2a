// The item buttons, the counter, sorting and the start from the latest errors.
#include "RedigerarFixtur.h"

#include "common/ModPluvo.h"
#include "support/TestSupport.h"

#include <algorithm>

using TestSupport::ansi;
using TestSupport::skrivFil;

TEST_F(RedigerarTest, SkrivInPlacerarEfterMarkeradRad)
{
    starta("rtt");
    EXPECT_TRUE(knappPaa(0));
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(knappPaa(i));
    EXPECT_EQ(raeknare(), QString());

    // An empty list takes the first item at 0; the window then opens again
    // until it comes back empty, each item after the one before.
    uppgifter = {"a", "b", "c"};
    klicka("comRedigera0");
    EXPECT_EQ(lista(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(uppgiftAnrop.size(), 4u);
    EXPECT_EQ(raeknare(), QString(" Ord 3 av 3 "));

    markera(0);
    EXPECT_EQ(raeknare(), QString(" Ord 1 av 3 "));
    uppgifter = {"x"};
    klicka("comRedigera0");
    EXPECT_EQ(lista(), QStringList({"a", "x", "b", "c"}));
    EXPECT_EQ(raeknare(), QString(" Ord 2 av 4 "));
}

TEST_F(RedigerarTest, FlyttknapparnaVidAendarna)
{
    skrivFil(fil("abc.rtt"), ansi("[Pluvo 7.0.7]\r\na\r\nb\r\nc\r\n"));
    starta("rtt");
    oeppna(fil("abc.rtt"));
    EXPECT_EQ(raeknare(), QString(" Ord 1 av 3 "));
    EXPECT_FALSE(knappPaa(2));
    EXPECT_TRUE(knappPaa(3));

    klicka("comRedigera3");
    klicka("comRedigera3");
    EXPECT_EQ(lista(), QStringList({"b", "c", "a"}));
    EXPECT_EQ(raeknare(), QString(" Ord 3 av 3 "));
    EXPECT_TRUE(knappPaa(2));
    EXPECT_FALSE(knappPaa(3));

    klicka("comRedigera2");
    EXPECT_EQ(lista(), QStringList({"b", "a", "c"}));
    EXPECT_TRUE(knappPaa(2));
    EXPECT_TRUE(knappPaa(3));
}

TEST_F(RedigerarTest, RedigeraOchTaBort)
{
    skrivFil(fil("abc.rtt"), ansi("[Pluvo 7.0.7]\r\na\r\nb\r\nc\r\n"));
    starta("rtt");
    oeppna(fil("abc.rtt"));
    markera(1);
    uppgifter = {"B (bee)"};
    klicka("comRedigera1");
    EXPECT_EQ(uppgiftAnrop.back(), QString("b"));
    EXPECT_EQ(lista(), QStringList({"a", "B (bee)", "c"}));

    // Closed without OK: the item stays.
    klicka("comRedigera1");
    EXPECT_EQ(lista(), QStringList({"a", "B (bee)", "c"}));

    markera(2);
    klicka("comRedigera4");
    EXPECT_EQ(lista(), QStringList({"a", "B (bee)"}));
    EXPECT_EQ(raeknare(), QString(" Ord 2 av 2 "));
    klicka("comRedigera4");
    klicka("comRedigera4");
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(raeknare(), QString());
    EXPECT_FALSE(knappPaa(4));

    // The emptied list counts as saved: closing asks nothing.
    vaelj({"&Arkiv", "&Avsluta"});
    EXPECT_TRUE(meddelanden.empty());
    EXPECT_FALSE(f->isVisible());
}

TEST_F(RedigerarTest, SorteringFoeljerSvenskOrdning)
{
    const QStringList osorterad{QString::fromUtf8("ödla"), "Apa", "zebra", QString::fromUtf8("ål"),
                                QString::fromUtf8("Äpple"), "banan", "apa"};
    const QStringList stigande{"Apa", "apa", "banan", "zebra", QString::fromUtf8("ål"), QString::fromUtf8("Äpple"),
                               QString::fromUtf8("ödla")};
    starta("rtt");
    EXPECT_FALSE(aerPaa({"&Verktyg", "&Sortera ord"}));
    for (const QString& rad : osorterad)
        uppgifter.push_back(rad);
    klicka("comRedigera0");
    ASSERT_EQ(lista().size(), osorterad.size());

    ASSERT_TRUE(aerPaa({"&Verktyg", "&Sortera ord"}));
    vaelj({"&Verktyg", "&Sortera ord", "&Stigande bokstavsordning"});
    EXPECT_EQ(lista(), stigande);
    EXPECT_EQ(raeknare(), QString(" Ord 1 av 7 "));

    vaelj({"&Verktyg", "&Sortera ord", "&Fallande bokstavsordning"});
    QStringList fallande = stigande;
    std::reverse(fallande.begin(), fallande.end());
    EXPECT_EQ(lista().mid(0, 5), fallande.mid(0, 5));

    vaelj({"&Verktyg", "&Sortera ord", "&I oordning"});
    QStringList blandad = lista();
    std::sort(blandad.begin(), blandad.end());
    QStringList alla = osorterad;
    std::sort(alla.begin(), alla.end());
    EXPECT_EQ(blandad, alla);
}

TEST_F(RedigerarTest, SenasteFelMedLaddadTyp)
{
    modPluvo().OevningsTyp = 5;
    starta("senaste fel", {"ko[\\ljud\\ko.wav] (cow)", "katt"});
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Övningar - Glosor med ljud - [namnlös]"));
    EXPECT_EQ(lista(), QStringList({"ko[\\ljud\\ko.wav] (cow)", "katt"}));
    EXPECT_FALSE(f->findChild<QLabel*>("imaMun")->isHidden());
    EXPECT_TRUE(aerPaa({"&Arkiv", "S&para som..."}));

    // The list starts unsaved: closing asks, and No closes.
    svar = {MsgSvar::Nej};
    vaelj({"&Arkiv", "&Avsluta"});
    ASSERT_EQ(meddelanden.size(), 1u);
    EXPECT_FALSE(f->isVisible());
}

