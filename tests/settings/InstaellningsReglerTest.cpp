// The settings window's rules that need no window.
#include "settings/InstaellningsRegler.h"

#include "support/TraeningsFixtur.h"

#include <gtest/gtest.h>

namespace {

TEST(RaettadTid, KeepsOneToTenAndCorrectsTheRest)
{
    // The seconds box is typed into in the window test; these are the edges.
    EXPECT_EQ(raettadTid("1", 4), "1");
    EXPECT_EQ(raettadTid("10", 4), "10");
    EXPECT_EQ(raettadTid("-3", 4), "1");
    EXPECT_EQ(raettadTid("", 4), "4");
    EXPECT_EQ(raettadTid("2.5", 7), "7");
    // Numbers too long for an int are still out of range, on their side.
    EXPECT_EQ(raettadTid("99999999999999999999", 4), "10");
    EXPECT_EQ(raettadTid("-99999999999999999999", 4), "1");
}

struct Byte {
    int alternativ;
    Styrning foere;
    Styrning efter;
    bool visaTavla;
    std::optional<int> sparat;
};

// The control-method table: every row, plus the rows that do nothing.
TEST(BytStyrning, FollowsTheTable)
{
    const Styrning tangentbord{false, false, false};
    const Styrning mus{true, true, false};
    const Styrning tavla{true, false, false};
    const Styrning enTangent{true, false, true};
    const Byte rader[] = {
        {0, mus, tangentbord, true, 0},
        {0, enTangent, tangentbord, true, 0},
        {0, tangentbord, tangentbord, false, std::nullopt},
        {1, tangentbord, mus, true, 1},
        {1, enTangent, mus, false, 1},
        {1, tavla, mus, false, 1},
        {1, mus, mus, false, std::nullopt},
        {2, tangentbord, tavla, true, 2},
        {2, mus, tavla, false, 2},
        {2, enTangent, tavla, false, 2},
        {2, tavla, tavla, false, std::nullopt},
        {3, tangentbord, enTangent, true, 3},
        {3, mus, enTangent, false, 3},
        {3, tavla, enTangent, false, 3},
        {3, enTangent, enTangent, false, std::nullopt},
        {7, mus, mus, false, std::nullopt},
    };
    for (const Byte& r : rader) {
        const Styrningsbyte b = bytStyrning(r.alternativ, r.foere);
        const std::string rad = "option " + std::to_string(r.alternativ) + " from method " +
                                std::to_string(valdStyrning(r.foere));
        EXPECT_EQ(b.efter, r.efter) << rad;
        EXPECT_EQ(b.visaTavla, r.visaTavla) << rad;
        EXPECT_EQ(b.sparat, r.sparat) << rad;
        if (r.sparat) {
            EXPECT_EQ(valdStyrning(b.efter), r.alternativ) << rad;
        }
    }
}

TEST(Provstorlek, GrowsAndShrinksToTheTarget)
{
    const auto linjaer = [](int s) { return s * 4 / 3 + 2; };
    EXPECT_EQ(provstorlek(10, 50, linjaer), 36);   // 36 points give 50
    EXPECT_EQ(provstorlek(80, 50, linjaer), 36);
    EXPECT_EQ(provstorlek(10, 51, linjaer), 37);
    // 39 points give 54, one step too tall: back to 38, which gives 52.
    EXPECT_EQ(provstorlek(10, 53, linjaer), 38);
}

TEST(Provstorlek, StopsWhereTheFontCannotChange)
{
    int anrop = 0;
    // A bitmap font that offers one height only.
    EXPECT_EQ(provstorlek(12, 500, [&](int) { ++anrop; return 16; }), 12);
    EXPECT_LE(anrop, 2);
    // A font that never reaches the target stops at the largest size.
    EXPECT_EQ(provstorlek(12, 100000, [](int s) { return s; }), 400);
    // And one that is always too tall at the smallest.
    EXPECT_EQ(provstorlek(12, 0, [](int s) { return s + 5; }), 1);
    // A start of 0 points (no layout yet) begins at 1.
    EXPECT_EQ(provstorlek(0, 10, [](int s) { return s; }), 10);
}

TEST(ProvPlats, ThreeColumnsTwoRowsEqualGaps)
{
    const QRectF noll = provPlats(0, 2400, 1500, 9600, 6000);
    const QRectF fem = provPlats(5, 2400, 1500, 9600, 6000);
    EXPECT_DOUBLE_EQ(noll.left(), 600);
    EXPECT_DOUBLE_EQ(noll.top(), 1000);
    EXPECT_DOUBLE_EQ(fem.left(), 600 + 2 * 3000);
    EXPECT_DOUBLE_EQ(fem.top(), 1000 + 2500);
    EXPECT_DOUBLE_EQ(fem.width(), 2400);
    EXPECT_DOUBLE_EQ(9600 - fem.right(), 600);
    EXPECT_DOUBLE_EQ(6000 - fem.bottom(), 1000);
}

TEST(Mapp, GetsOneFinalSlash)
{
    EXPECT_EQ(mappMedSnedstreck("/home/Lärare/Övningar"), "/home/Lärare/Övningar/");
    EXPECT_EQ(mappMedSnedstreck("/home/Lärare/Övningar/"), "/home/Lärare/Övningar/");
    EXPECT_EQ(mappMedSnedstreck("/"), "/");
}

}  // namespace
