#include "editor/LjudKlippning.h"
#include "editor/Ljudvaeg.h"

#include <gtest/gtest.h>

TEST(LjudKlippning, KontrolleraKlippFoerInKlippetILjudet)
{
    auto k = [](double in, double ut) {
        const Klipp r = KontrolleraKlipp({in, ut}, 3000);
        return std::pair(r.inpunkt, r.utpunkt);
    };
    EXPECT_EQ(k(1200, 2500), std::pair(1200.0, 2500.0));
    EXPECT_EQ(k(0, 0), std::pair(0.0, 3000.0));
    EXPECT_EQ(k(-50, 2000), std::pair(0.0, 2000.0));
    EXPECT_EQ(k(500, 9999), std::pair(500.0, 3000.0));
    EXPECT_EQ(k(2999.5, 3000), std::pair(0.0, 3000.0));
    EXPECT_EQ(k(3500, 9999), std::pair(0.0, 3000.0));
}

TEST(LjudKlippning, PositionTillTidRundarOchStannarVidAendarna)
{
    EXPECT_EQ(PositionTillTid(-300, 6000, 3000), 0);
    EXPECT_EQ(PositionTillTid(1, 6000, 3000), 0);  // 0.5 ms rounds to 0
    EXPECT_EQ(PositionTillTid(3, 6000, 3000), 2);
    EXPECT_EQ(PositionTillTid(3000, 6000, 3000), 1500);
    EXPECT_EQ(PositionTillTid(5999, 6000, 3000), 3000);
    EXPECT_EQ(PositionTillTid(9000, 6000, 3000), 3000);
}

TEST(LjudKlippning, FramstegNaeraSlutetRitasSomFullt)
{
    EXPECT_DOUBLE_EQ(FramstegsBredd(1500, 0, 3000, 100, 6000, 3000), 3000);
    EXPECT_DOUBLE_EQ(FramstegsBredd(2950, 0, 3000, 100, 6000, 3000), 6000);
    EXPECT_DOUBLE_EQ(FramstegsBredd(800, 500, 900, 100, 6000, 3000), 600);
    EXPECT_DOUBLE_EQ(FramstegsBredd(850, 500, 900, 100, 6000, 3000), 800);
}

TEST(Ljudvaeg, BaraVaegarSomEnOevningsradKanBaera)
{
    EXPECT_TRUE(LjudvaegKanSparas("/hem/Lärare/Ljud/Hund.WAV"));
    EXPECT_TRUE(LjudvaegKanSparas("/hem/a b, c/d.wav"));
    for (const char* v : {"", "/a(1).wav", "/a).wav", "/[a].wav", "/a].wav", "/a=b.wav", "/a{b.wav", " /a.wav",
                          "/a.wav ", "/a\nb.wav", "/€uro\u0142.wav"})
        EXPECT_FALSE(LjudvaegKanSparas(QString::fromUtf8(v))) << v;
}
