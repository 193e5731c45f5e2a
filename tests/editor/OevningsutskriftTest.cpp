// Printing an exercise list: the column layout as plain rules, and the
// printed PDF read back for columns, headers, sizes and orders.
#include "common/ModPluvo.h"
#include "editor/Oevningssidor.h"
#include "editor/Oevningsutskrift.h"
#include "support/TestSupport.h"
#include "support/TraeningsFixtur.h"
#include "support/Utskriftsprov.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TEST(Kolumnsida, FitsAsManyColumnsAsTheWidestItemAllows)
{
    // Margin 100, top 100, row step 60; 1100 across for columns 200 + 100.
    const Kolumnsida s = beraeknaKolumnsida(1200, 1600, 200, 20, 50);
    EXPECT_DOUBLE_EQ(s.marginal, 100);
    EXPECT_DOUBLE_EQ(s.topp, 100);
    EXPECT_DOUBLE_EQ(s.radsteg, 60);
    EXPECT_EQ(s.kolumner, 3);
    EXPECT_EQ(s.rader, 24);
    EXPECT_EQ(s.sidor, 1);
    EXPECT_FALSE(s.foerBred);
    EXPECT_EQ(beraeknaKolumnsida(1200, 1600, 200, 20, 72).sidor, 1);
    EXPECT_EQ(beraeknaKolumnsida(1200, 1600, 200, 20, 73).sidor, 2);
    EXPECT_EQ(beraeknaKolumnsida(1200, 1600, 200, 20, 0).sidor, 0);
    // An item wider than a column gives one column.
    const Kolumnsida bred = beraeknaKolumnsida(1200, 1600, 1001, 20, 5);
    EXPECT_TRUE(bred.foerBred);
    EXPECT_EQ(bred.kolumner, 1);
    EXPECT_FALSE(beraeknaKolumnsida(1200, 1600, 1000, 20, 5).foerBred);
}

TEST(Utskriftsordning, ListOrderOrEachPositionSwappedWithARandomOne)
{
    EXPECT_EQ(utskriftsordning(4, false, [] { return 0.0; }), QList<int>({0, 1, 2, 3}));
    // Every position swaps with position 3 in turn.
    EXPECT_EQ(utskriftsordning(4, true, [] { return 0.99; }), QList<int>({3, 0, 1, 2}));
    EXPECT_TRUE(utskriftsordning(0, true, [] { return 0.5; }).isEmpty());
}

class ListaPaaPapper : public ::testing::Test {
protected:
    void SetUp() override
    {
        nyStart();
        for (int i = 1; i <= 60; ++i)
            rader << QString("ord%1").arg(i, 2, 10, QChar('0'));
    }

    static QList<PdfOrd> utanSidhuvud(const QList<PdfOrd>& ord)
    {
        QList<PdfOrd> ut;
        for (const PdfOrd& o : ord) {
            if (o.text.startsWith("ord"))
                ut << o;
        }
        return ut;
    }

    // The items in the order a reader takes them: page, column, row.
    static QStringList iLaesordning(QList<PdfOrd> ord)
    {
        std::sort(ord.begin(), ord.end(), [](const PdfOrd& a, const PdfOrd& b) {
            if (a.sida != b.sida)
                return a.sida < b.sida;
            if (std::abs(a.x0 - b.x0) > 1)
                return a.x0 < b.x0;
            return a.y0 < b.y0;
        });
        QStringList texter;
        for (const PdfOrd& o : ord)
            texter << o.text;
        return texter;
    }

    QStringList rader;
};

TEST_F(ListaPaaPapper, PrintsInColumnsWithAHeaderOnEveryPage)
{
    modPluvo().UtskriftOrdning = 1;
    modPluvo().UtskriftStorlek = 2;
    Utskriftsprov prov;
    SkrivUtOevning(nullptr, "/hem/lärare/Övningar/Djuren.GLO", rader, "Arial");
    ASSERT_EQ(prov.jobb, 1);

    const QList<PdfOrd> alla = prov.ord(1);
    const QList<PdfOrd> ord = utanSidhuvud(alla);
    EXPECT_EQ(iLaesordning(ord), rader);

    // More than one column and more than one page.
    QSet<int> kolumner;
    for (const PdfOrd& o : ord)
        kolumner << int(o.x0);
    EXPECT_GT(kolumner.size(), 1);
    const int sidor = ord.last().sida;
    ASSERT_GT(sidor, 1);

    for (int sida = 1; sida <= sidor; ++sida) {
        QStringList huvud;
        for (const PdfOrd& o : alla) {
            if (o.sida == sida && !o.text.startsWith("ord"))
                huvud << o.text;
        }
        EXPECT_EQ(huvud, QStringList({"djuren.glo", "Sidan", QString::number(sida), "av", QString::number(sidor)}));
    }
}

TEST_F(ListaPaaPapper, EachSizePrintsItsOwnPointSizeUnderATenPointHeader)
{
    double tidigare = 0;
    for (int storlek = 0; storlek <= 2; ++storlek) {
        modPluvo().UtskriftStorlek = storlek;
        Utskriftsprov prov;
        SkrivUtOevning(nullptr, "/x/lista.rtt", {"ord"}, "Arial");
        const QList<PdfOrd> ord = prov.ord(1);
        ASSERT_EQ(ord.size(), 6);
        const auto hitta = [&](const QString& text) {
            return *std::find_if(ord.begin(), ord.end(), [&](const PdfOrd& o) { return o.text == text; });
        };
        const PdfOrd rubrik = hitta("lista.rtt");
        const PdfOrd sak = hitta("ord");
        const double huvud = rubrik.y1 - rubrik.y0;
        const double punkter = sak.y1 - sak.y0;
        EXPECT_LT(rubrik.y1, sak.y0);
        const double vaentad = storlek == 0 ? 10 : storlek == 1 ? 18 : 26;
        EXPECT_NEAR(punkter / huvud, vaentad / 10, 0.05) << storlek;
        EXPECT_GT(punkter, tidigare);
        tidigare = punkter;
    }
}

TEST_F(ListaPaaPapper, EachCopyIsAJobOfItsOwnInTheSameRandomOrder)
{
    modPluvo().UtskriftOrdning = 0;
    modPluvo().UtskriftStorlek = 2;
    Utskriftsprov prov(2);
    SkrivUtOevning(nullptr, "/x/lista.rtt", rader, "Arial");
    SkrivUtOevning(nullptr, "/x/lista.rtt", rader, "Arial");
    ASSERT_EQ(prov.jobb, 4);
    EXPECT_EQ(prov.kopiorPerJobb, QList<int>({1, 1, 1, 1}));

    const QStringList foersta = iLaesordning(utanSidhuvud(prov.ord(1)));
    QStringList sorterad = foersta;
    sorterad.sort();
    EXPECT_EQ(sorterad, rader);
    EXPECT_NE(foersta, rader);
    EXPECT_EQ(prov.text(1), prov.text(2));
    EXPECT_NE(prov.text(1), prov.text(3));
    // The second copy is numbered from page one again.
    EXPECT_TRUE(prov.text(2).contains("Sidan 1 av"));
    EXPECT_EQ(prov.sidor(1).size(), utanSidhuvud(prov.ord(1)).last().sida);
}

TEST_F(ListaPaaPapper, CopiesPrintedToAFileAllGoIntoThatFile)
{
    modPluvo().UtskriftOrdning = 0;
    modPluvo().UtskriftStorlek = 2;
    Utskriftsprov prov(2);
    prov.skrivTillFil();
    SkrivUtOevning(nullptr, "/x/lista.rtt", rader, "Arial");
    EXPECT_EQ(prov.jobb, 0);  // nothing went to a printer

    const QList<QStringList> sidor = prov.sidor(prov.valdFil());
    ASSERT_GE(sidor.size(), 4);
    ASSERT_EQ(sidor.size() % 2, 0);
    const qsizetype perKopia = sidor.size() / 2;
    // The second copy follows the first, in the same order and numbered
    // from page one again.
    EXPECT_EQ(sidor.mid(perKopia), sidor.mid(0, perKopia));
    EXPECT_TRUE(sidor[perKopia].contains("Sidan 1 av " + QString::number(perKopia)));
    int antal = 0;
    for (const QStringList& sida : sidor)
        antal += int(sida.filter(QRegularExpression("^ord[0-9]+$")).size());
    EXPECT_EQ(antal, 2 * rader.size());
}

TEST_F(ListaPaaPapper, ATooLongItemIsReportedOnceAndPrintsInOneColumn)
{
    modPluvo().UtskriftOrdning = 1;
    MsgBoxInspelare svar;
    Utskriftsprov prov(2);
    rader[1] = "ord02" + QString(200, u'm');
    SkrivUtOevning(nullptr, "/x/lista.rtt", rader, "Arial");
    ASSERT_EQ(svar.anrop.size(), 1u);
    EXPECT_EQ(svar.anrop[0].text, "Övningen innehåller rad/er som är för lång/a." + CRLF + "Dessa rader avkortas");
    EXPECT_EQ(svar.anrop[0].rubrik, QString("Pluvo"));
    EXPECT_EQ(svar.anrop[0].ikon, MsgIkon::Information);
    ASSERT_EQ(prov.jobb, 2);
    QSet<int> kolumner;
    for (const PdfOrd& o : utanSidhuvud(prov.ord(1)))
        kolumner << int(o.x0);
    EXPECT_EQ(kolumner.size(), 1);
}

TEST_F(ListaPaaPapper, EmptyOrCancelledPrintsNothingAndAFailingPrinterIsReported)
{
    {
        Utskriftsprov prov(std::nullopt);
        MsgBoxInspelare svar;
        SkrivUtOevning(nullptr, "/x/lista.rtt", {}, "Arial");
        EXPECT_EQ(prov.dialoger, 0);
        SkrivUtOevning(nullptr, "/x/lista.rtt", rader, "Arial");
        EXPECT_EQ(prov.dialoger, 1);
        EXPECT_EQ(prov.jobb, 0);
        EXPECT_TRUE(svar.anrop.empty());
    }
    Utskriftsprov prov(3);
    prov.laatSkrivarenFela();
    MsgBoxInspelare svar;
    SkrivUtOevning(nullptr, "/x/lista.rtt", rader, "Arial");
    EXPECT_EQ(prov.jobb, 1);
    ASSERT_EQ(svar.anrop.size(), 1u);
    EXPECT_EQ(svar.anrop[0].text, "Problem vid utskrift" + CRLF + "(Fel: 482)");
    EXPECT_EQ(svar.anrop[0].rubrik, QString("Utskrift"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
