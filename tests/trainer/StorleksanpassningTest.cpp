// Font size fitting: the bisection ends on the size the one-step-at-a-time
// stepping ended on, for made-up heights and for the training window's own
// labels on screens of many sizes.
#include "common/Etikett.h"
#include "common/ModPluvo.h"
#include "common/Storleksanpassning.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace TestSupport;
using Storleksanpassning::Hoejd;

namespace {

// The stepping the window did before, kept as the reference: the word
// letters go down by a step while too tall, then up while too low.
double stegaNerSedanUpp(double start, double steg, double minsta, double stoersta, double maal, const Hoejd& hoejd)
{
    double s = start;
    while (hoejd(s) > maal && s - steg >= minsta)
        s -= steg;
    while (hoejd(s) < maal && s + steg <= stoersta)
        s += steg;
    return s;
}

// The board cells go up while too low, then down while too tall.
double stegaUppSedanNer(double start, double steg, double minsta, double stoersta, double maal, const Hoejd& hoejd)
{
    double s = start;
    while (hoejd(s) < maal && s + steg <= stoersta)
        s += steg;
    while (hoejd(s) > maal && s - steg >= minsta)
        s -= steg;
    return s;
}

// Heights as fonts give them: growing with the size, in whole pixels, with
// flat stretches and jumps.
std::vector<Hoejd> paahittadeHoejder()
{
    return {
        [](double s) { return std::floor(s * 1.17) * 15; },
        [](double s) { return std::floor(s * 1.6 + 3) * 15; },
        [](double s) { return std::floor(s / 7) * 7 * 15; },
        [](double s) { return s < 30 ? 200.0 : 200 + std::floor((s - 30) * 0.9) * 15; },
        [](double) { return 450.0; },
    };
}

TEST(Storleksanpassning, BisectionEndsWhereTheSteppingEndedForEveryStartAndTarget)
{
    const double starter[] = {1, 2, 7.5, 24, 48, 49, 399, 400};
    for (const Hoejd& hoejd : paahittadeHoejder())
        for (double start : starter)
            for (double maal = -100; maal <= 10000; maal += 37) {
                EXPECT_EQ(Storleksanpassning::nerSedanUpp(start, 2, 1, 400, maal, hoejd),
                          stegaNerSedanUpp(start, 2, 1, 400, maal, hoejd))
                    << "start " << start << ", target " << maal;
                EXPECT_EQ(Storleksanpassning::uppSedanNer(start, 1, 1, 400, maal, hoejd),
                          stegaUppSedanNer(start, 1, 1, 400, maal, hoejd))
                    << "start " << start << ", target " << maal;
            }
}

TEST(Storleksanpassning, AFarTargetCostsAFewMeasurementsNotOneASize)
{
    int maetningar = 0;
    const Hoejd hoejd = [&](double s) {
        ++maetningar;
        return std::floor(s * 1.17) * 15;
    };
    const double steget = stegaUppSedanNer(24, 1, 1, 400, 2800, hoejd);
    EXPECT_GT(maetningar, 100);
    maetningar = 0;
    EXPECT_EQ(Storleksanpassning::uppSedanNer(24, 1, 1, 400, 2800, hoejd), steget);
    EXPECT_LE(maetningar, 12);

    maetningar = 0;
    const double nerUpp = stegaNerSedanUpp(48, 2, 1, 400, 5000, hoejd);
    EXPECT_GT(maetningar, 100);
    maetningar = 0;
    EXPECT_EQ(Storleksanpassning::nerSedanUpp(48, 2, 1, 400, 5000, hoejd), nerUpp);
    EXPECT_LE(maetningar, 12);
}

// The training window started on screens of many sizes: its word letters
// and board cells get the sizes the old stepping gave its labels.
class StorlekPaaSkaermen : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override
    {
        nyStart();
        skrivInstaellning("Styrning", "Alternativ", "1");
        Skaerm::saettStorlek(GetParam());
        f = startaTraeningsfoenster(m_mapp.path());
    }
    void TearDown() override
    {
        f.reset();
        Skaerm::saettStorlek({});
    }

    // A label made as the window makes the one it fits, at its first size.
    Etikett* som(const Etikett* foerebild, const QString& text, double storlek)
    {
        auto* e = new Etikett(f.get());
        QFont font = foerebild->font();
        font.setBold(false);
        font.setPointSizeF(storlek);
        e->setFont(font);
        e->setAlignment(foerebild->alignment());
        e->setAutoSize(true);
        e->setCaption(text);
        return e;
    }

    static Hoejd hoejdAv(Etikett* e)
    {
        return [e](double s) {
            e->setFontSize(s);
            return Twips::Height(e);
        };
    }

    QTemporaryDir m_mapp;
    std::unique_ptr<FrmPluvo> f;
};

TEST_P(StorlekPaaSkaermen, WordLettersGetTheSteppedSize)
{
    const ModPluvo& m = modPluvo();
    const double P = Twips::PerPixel;
    const RamLinje& topp = f->linRam[0];
    const RamLinje& botten = f->linRam[1];
    const double maal = float((m.SkaermHoejd - topp.Y1 - topp.BorderWidth * P / 2 - botten.BorderWidth * P) / 5);

    Etikett* ord = som(f->labOrd[0], "A", 48);
    const double steget = stegaNerSedanUpp(48, 2, 1, 400, maal, hoejdAv(ord));
    EXPECT_EQ(m.OrdStorlek, std::max(1, int(steget - 2)));
    EXPECT_EQ(f->labOrd[0]->FontSize(), m.OrdStorlek);
    EXPECT_EQ(f->labFoerklaring[0]->FontSize(), m.OrdStorlek);
}

TEST_P(StorlekPaaSkaermen, BoardCellsGetTheSteppedSizeAndHeight)
{
    Etikett* cell = som(f->labSiffertavla[0], " ", 24);
    const double steget = stegaUppSedanNer(24, 1, 1, 400, modPluvo().TavlaHoejd, hoejdAv(cell));
    cell->setFontSize(steget);
    EXPECT_EQ(f->labSiffertavla[0]->FontSize(), steget);
    EXPECT_EQ(f->labSiffertavla[0]->height(), cell->height());
    EXPECT_EQ(f->labSiffertavla[29]->height(), cell->height());
}

std::vector<QSize> skaermar()
{
    std::vector<QSize> s;
    for (int hoejd = 240; hoejd <= 1600; hoejd += 97)
        s.emplace_back(hoejd * 4 / 3, hoejd);
    s.emplace_back(1920, 1080);
    s.emplace_back(640, 1400);
    return s;
}

INSTANTIATE_TEST_SUITE_P(Skaermar, StorlekPaaSkaermen, ::testing::ValuesIn(skaermar()),
                         [](const ::testing::TestParamInfo<QSize>& s) {
                             return std::to_string(s.param.width()) + "x" + std::to_string(s.param.height());
                         });

}  // namespace
