#include "common/ModPluvo.h"
#include "trainer/MenyTabell.h"

#include <gtest/gtest.h>

namespace {

QStringList tips(Meny meny)
{
    QStringList lista;
    for (const Menyval& val : menyval(meny))
        lista << verktygstips(val);
    return lista;
}

}  // namespace

TEST(MenyTabell, CaptionsAndTooltips)
{
    EXPECT_EQ(tips(Meny::Huvud),
              (QStringList{"Pluvo = P", "Läs = L", "Test = T", "Hämta = H", "Sluta = U"}));
    EXPECT_EQ(tips(Meny::NormalOmvaend),
              (QStringList{"Normal = N", "Omvänd = O", "Huvudmeny = H"}));
    EXPECT_EQ(tips(Meny::Typ), (QStringList{"Rättstavning = R", "Ordkunskap = O", "Glosor = G",
                                            "Övrigt = Ö", "Huvudmeny = H"}));
}

TEST(MenyTabell, HotLettersInBothCases)
{
    EXPECT_EQ(valFoerTangent(Meny::Huvud, 80), 0);
    EXPECT_EQ(valFoerTangent(Meny::Huvud, 108), 1);
    EXPECT_EQ(valFoerTangent(Meny::Huvud, 85), 4);
    EXPECT_EQ(valFoerTangent(Meny::Huvud, 117), 4);
    EXPECT_EQ(valFoerTangent(Meny::Huvud, 83), std::nullopt);  // S of "Sluta"
    EXPECT_EQ(valFoerTangent(Meny::Huvud, 111), std::nullopt);  // o

    EXPECT_EQ(valFoerTangent(Meny::NormalOmvaend, 110), 0);
    EXPECT_EQ(valFoerTangent(Meny::NormalOmvaend, 79), 1);
    EXPECT_EQ(valFoerTangent(Meny::NormalOmvaend, 104), 2);
    EXPECT_EQ(valFoerTangent(Meny::NormalOmvaend, 80), std::nullopt);

    EXPECT_EQ(valFoerTangent(Meny::Typ, 111), 1);
    EXPECT_EQ(valFoerTangent(Meny::Typ, 214), 3);
    EXPECT_EQ(valFoerTangent(Meny::Typ, 246), 3);
    EXPECT_EQ(valFoerTangent(Meny::Typ, 72), 4);
    EXPECT_EQ(valFoerTangent(Meny::Typ, 79), 1);
    EXPECT_EQ(valFoerTangent(Meny::Typ, 228), std::nullopt);  // ä
}

TEST(MenyTabell, KeyCodesOfTheHotLetters)
{
    const Menyval& oevrigt = menyval(Meny::Typ)[3];
    EXPECT_EQ(oevrigt.kodStor, 214);
    EXPECT_EQ(oevrigt.kodLiten, 246);
    const Menyval& sluta = menyval(Meny::Huvud)[4];
    EXPECT_EQ(sluta.kodStor, 85);
    EXPECT_EQ(sluta.kodLiten, 117);
}

TEST(MenyTabell, MenuOfEachState)
{
    EXPECT_EQ(menyFoerTillstaand(Huvudmeny), Meny::Huvud);
    EXPECT_EQ(menyFoerTillstaand(ValPluvo), Meny::NormalOmvaend);
    EXPECT_EQ(menyFoerTillstaand(ValLaes), Meny::NormalOmvaend);
    EXPECT_EQ(menyFoerTillstaand(ValTest), Meny::NormalOmvaend);
    EXPECT_EQ(menyFoerTillstaand(HaemtaMeny), Meny::Typ);
    EXPECT_EQ(menyFoerTillstaand(PluvoSkriver), std::nullopt);
    EXPECT_EQ(menyFoerTillstaand(ListaRtt), std::nullopt);
}
