// Thousands of random keys, clicks and timer ticks with every control
// method: the window never crashes and never leaves its states, cursor or
// word labels in an impossible place.
#include "common/ModPluvo.h"
#include "support/TraeningsFixtur.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace TestSupport;

namespace {

class SlumpTangenter : public OevningsmappFixtur {
protected:
    void SetUp() override
    {
        OevningsmappFixtur::SetUp();
        skrivOevning("djur.glo", "hund (dog)\r\nkatt\r\nhäst (horse)\r\n===\r\n(bara förklaring)\r\n");
        skrivOevning("ljud.gls", "hund[\\saknas.wav] (dog)[\\saknas2.wav]\r\nko\r\n");
        skrivOevning("stavning.rtt", "sjö (vatten)\r\nå\r\nmed blank\r\nÉlan-7!\r\n");
        skrivOevning("tom.tst", "");
        skrivFil(m_oevningar + "/gammal.ord", "\x84ppla (frukt)\r\n");
        skrivInstaellning("Special", "auto_s", "True");
        skrivInstaellning("Special", "auto_t", "True");
        skrivInstaellning("Styrning", "tan_r", "True");
    }

    // The invariants that must hold after every event.
    static void kontrollera(const FrmPluvo& f)
    {
        const ModPluvo& m = modPluvo();
        ASSERT_GE(m.Tillstaand, Huvudmeny);
        ASSERT_LE(m.Tillstaand, ListaTst);
        ASSERT_GE(m.TavlaVal, -2);
        ASSERT_LE(m.TavlaVal, 29);
        ASSERT_GE(f.labOrd.size(), 1u);
        ASSERT_GE(f.labFoerklaring.size(), 1u);
        ASSERT_GE(f.MenyMarkoer, 0);
        ASSERT_LE(f.MenyMarkoer, 4);
        if (iKoerning(m.Tillstaand)) {
            ASSERT_TRUE(m.harAktuellRad());
        }
    }

    void koer(const char* alternativ, unsigned frö)
    {
        skrivInstaellning("Styrning", "Alternativ", alternativ);
        auto f = starta("djur.glo");
        std::mt19937 slump(frö);
        const QString tecken = QString::fromUtf8("hkatdogsjövmedblankÉl-7!åäöxyzprtgoNOHR ");
        const Qt::Key tangenter[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Space,
                                     Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Left,      Qt::Key_Right,
                                     Qt::Key_PageUp, Qt::Key_F9};
        std::set<int> besoekta;
        for (int i = 0; i < 4000; ++i) {
            switch (slump() % 6) {
            case 0:
            case 1:
                tryckTecken(*f, tecken.at(int(slump() % unsigned(tecken.size()))));
                break;
            case 2:
                tryckTangent(*f, tangenter[slump() % std::size(tangenter)]);
                break;
            case 3:
                QTest::mouseClick(f->labSiffertavla[slump() % 30], Qt::LeftButton);
                break;
            case 4:
                f->timEnTangent_Timer();
                f->timAutostart_Timer();
                break;
            default:
                f->timPrata_Timer();
                f->timKontroll_Timer();
                f->Form_KeyUp();
                break;
            }
            kontrollera(*f);
            besoekta.insert(modPluvo().Tillstaand);
            if (HasFatalFailure())
                return;
        }
        // The keys reached runs, typing and the file selector.
        EXPECT_TRUE(besoekta.count(PluvoSkriver) || besoekta.count(TestSkriver));
        EXPECT_TRUE(besoekta.count(Laeser));
        EXPECT_TRUE(std::any_of(besoekta.begin(), besoekta.end(), iFilval));
    }
};

}  // namespace

TEST_F(SlumpTangenter, KeyboardMethod) { koer("0", 1); }
TEST_F(SlumpTangenter, MouseMethod) { koer("1", 2); }
TEST_F(SlumpTangenter, TwoToFiveKeys) { koer("2", 3); }
TEST_F(SlumpTangenter, OneKey) { koer("3", 4); }
