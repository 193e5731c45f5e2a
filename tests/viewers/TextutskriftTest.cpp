// Printing a viewer's text: the word wrap and the pages as plain rules, and
// the printed PDF read back.
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "platform/Skrivare.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"
#include "support/TraeningsFixtur.h"
#include "support/Utskriftsprov.h"
#include "viewers/FrmPluvoHandledning.h"
#include "viewers/FrmPluvoLoggbok.h"
#include "viewers/Textutskrift.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TEST(Ordbrytning, WordsFillLinesAndParagraphsEndAtEveryLineEnd)
{
    const auto tecken = [](const QString& t) { return double(t.size()); };  // one unit a character
    const struct {
        const char* text;
        int bredd;
        QStringList rader;
    } fall[] = {
        {"aa bb cc dd", 5, {"aa bb", "cc dd"}},
        {"aa bb cc dd", 4, {"aa", "bb", "cc", "dd"}},
        // A word wider than a line stands alone, with no empty line before it.
        {"a langtlangt b", 5, {"a", "langtlangt", "b"}},
        {"langtlangt b", 5, {"langtlangt", "b"}},
        {"a\r\nb\nc\rd", 5, {"a", "b", "c", "d"}},
        // The end of the text starts no further line; two line ends in a row
        // make one empty line.
        {"a\r\n\r\nb\r\n", 5, {"a", "", "b"}},
        {"", 5, {}},
        {"a  b", 10, {"a  b"}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(ordbrytText(f.text, f.bredd, tecken), f.rader);
    }
}

TEST(Sidindelning, ALineIsPrintedWhileItsTopLiesAboveTheBottomMargin)
{
    // Tops at 10, 20, ... 150: the line at 150 still starts within 160 - 10.
    EXPECT_EQ(raderPerSida(160, 10, 10), 15);
    EXPECT_EQ(raderPerSida(160, 10, 11), 13);
    EXPECT_EQ(raderPerSida(10, 10, 50), 1);
    const QList<QStringList> sidor = delaISidor({"1", "2", "3", "4", "5"}, 2);
    EXPECT_EQ(sidor, QList<QStringList>({{"1", "2"}, {"3", "4"}, {"5"}}));
    EXPECT_TRUE(delaISidor({}, 2).isEmpty());
}

class TextPaaPapper : public ::testing::Test {
protected:
    void SetUp() override { nyStart(); }

    // The printed lines of one job, the words of a line joined by blanks and
    // each line numbered by its distance from the first.
    static QList<std::pair<int, QString>> rader(const QList<PdfOrd>& ord)
    {
        QList<std::pair<int, QString>> ut;
        if (ord.isEmpty())
            return ut;
        double steg = 0;
        for (qsizetype i = 1; i < ord.size() && steg == 0; ++i)
            steg = ord[i].y0 - ord[i - 1].y0;
        double foerra = -1;
        for (const PdfOrd& o : ord) {
            if (!ut.isEmpty() && std::abs(o.y0 - foerra) < 0.5) {
                ut.last().second += " " + o.text;
                continue;
            }
            ut << std::pair<int, QString>(int(std::lround((o.y0 - ord[0].y0) / steg)), o.text);
            foerra = o.y0;
        }
        return ut;
    }
};

TEST_F(TextPaaPapper, TheLogbookPrintsWordWrappedWithALongWordAloneOnItsLine)
{
    Utskriftsprov prov;
    // A word a little wider than a line: the page width less two margins.
    Skrivare maatt;
    maatt.SaettTeckensnitt("Arial");
    maatt.SaettStorlek(12);
    const double radbredd = maatt.ScaleWidth() * 10 / 12;
    const QString langt(int(radbredd / maatt.TextWidth("x")) + 2, u'x');
    ASSERT_GT(maatt.TextWidth(langt), radbredd);
    FrmPluvoLoggbok f(nullptr, "kort ord" + CRLF + "a " + langt + " b" + CRLF + CRLF + "slut", nullptr);
    visa(f);
    tryck(f, Qt::Key_F2);
    ASSERT_EQ(prov.jobb, 1);

    QList<PdfOrd> ord = prov.ord(1);
    ord.remove(0, 6);  // the title and date lines of the frame
    ASSERT_FALSE(ord.isEmpty());
    const QList<std::pair<int, QString>> utskrift = rader(ord);
    const QList<std::pair<int, QString>> vaentat{{0, "kort ord"}, {1, "a"}, {2, langt}, {3, "b"}, {5, "slut"}};
    EXPECT_EQ(utskrift, vaentat);
}

TEST_F(TextPaaPapper, ALongTextGoesOnFullPagesWithoutABlankOneAtTheEnd)
{
    Utskriftsprov prov;
    QString text;
    for (int i = 1; i <= 150; ++i)
        text += "rad" + QString::number(i) + CRLF;
    FrmPluvoLoggbok f(nullptr, text, nullptr);
    visa(f);
    tryck(f, Qt::Key_F2);
    ASSERT_EQ(prov.jobb, 1);

    // The frame's 3 lines, 150 lines and the 2 empty lines after them.
    Skrivare maatt;
    maatt.SaettTeckensnitt("Arial");
    maatt.SaettStorlek(12);
    const int perSida =
        raderPerSida(maatt.ScaleHeight(), std::round(maatt.ScaleHeight() / 16), maatt.TextHeight(QString()));
    const QList<QStringList> sidor = prov.sidor(1);
    ASSERT_EQ(sidor.size(), (3 + 150 + 2 + perSida - 1) / perSida);
    QStringList alla;
    for (const QStringList& sida : sidor) {
        EXPECT_FALSE(sida.isEmpty());
        for (const QString& rad : sida) {
            if (rad.startsWith("rad"))
                alla << rad;
        }
    }
    ASSERT_EQ(alla.size(), 150);
    EXPECT_EQ(alla.first(), QString("rad1"));
    EXPECT_EQ(alla.last(), QString("rad150"));
    EXPECT_EQ(sidor[0].last(), QString("rad") + QString::number(perSida - 3));
}

TEST_F(TextPaaPapper, EachCopyIsAJobOfItsOwnWithTheSamePages)
{
    Utskriftsprov prov(2);
    FrmPluvoLoggbok f(nullptr, "en rad" + CRLF, nullptr);
    visa(f);
    klickaMeny(f.findChild<QAction*>("menSkrivUt"));
    ASSERT_EQ(prov.jobb, 2);
    EXPECT_EQ(prov.kopiorPerJobb, QList<int>({1, 1}));
    EXPECT_TRUE(prov.text(1).contains("en rad"));
    EXPECT_EQ(prov.text(1), prov.text(2));
    EXPECT_EQ(prov.sidor(1).size(), 1);
}

TEST_F(TextPaaPapper, CopiesPrintedToAFileAllGoIntoThatFile)
{
    Utskriftsprov prov(2);
    prov.skrivTillFil();
    FrmPluvoLoggbok f(nullptr, "en rad" + CRLF, nullptr);
    visa(f);
    tryck(f, Qt::Key_F2);
    const QList<QStringList> sidor = prov.sidor(prov.valdFil());
    ASSERT_EQ(sidor.size(), 2);
    EXPECT_TRUE(sidor[0].contains("en rad"));
    EXPECT_EQ(sidor[1], sidor[0]);
}

TEST_F(TextPaaPapper, APrinterThatCannotStartIsReported)
{
    Utskriftsprov prov(2);
    prov.laatSkrivarenFela();
    MsgBoxInspelare svar;
    FrmPluvoHandledning f(nullptr, nullptr);
    visa(f);
    tryck(f, Qt::Key_F2);
    EXPECT_EQ(prov.jobb, 1);
    ASSERT_EQ(svar.anrop.size(), 1u);
    EXPECT_EQ(svar.anrop[0].text, QString("Problem vid utskrift"));
    EXPECT_EQ(svar.anrop[0].rubrik, QString("Utskrift"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TextPaaPapper, TheGuidePrintsOnMorePagesAtTwentyPoints)
{
    Utskriftsprov prov;
    FrmPluvoHandledning f(nullptr, nullptr);
    visa(f);
    tryck(f, Qt::Key_F2);
    QTest::mouseClick(f.findChild<QPushButton*>("comStorlek1"), Qt::LeftButton);
    tryck(f, Qt::Key_F2);
    ASSERT_EQ(prov.jobb, 2);

    const QList<PdfOrd> tolv = prov.ord(1);
    const QList<PdfOrd> tjugo = prov.ord(2);
    ASSERT_FALSE(tolv.isEmpty());
    ASSERT_FALSE(tjugo.isEmpty());
    EXPECT_EQ(tolv[0].text, QString("Handledning"));
    EXPECT_GT(tjugo.last().sida, tolv.last().sida);
    const double kvot = (tjugo[0].y1 - tjugo[0].y0) / (tolv[0].y1 - tolv[0].y0);
    EXPECT_NEAR(kvot, 20.0 / 12.0, 0.05);
}

TEST(Handledning, ShowsTheGuideOnTheOrdinaryBackgroundWhateverTheExercise)
{
    nyStart();
    modPluvo().OevningsTyp = 5;
    FrmPluvoHandledning f(nullptr, nullptr);
    EXPECT_EQ(f.windowTitle(), QString("Pluvo - Handledning"));
    EXPECT_EQ(f.findChild<QLabel*>("imaRekord")->pixmap().toImage(), frmBilder().imaBkg().toImage());
    EXPECT_EQ(f.findChild<QLabel*>("imaMun"), nullptr);
    const QString text = f.findChild<QPlainTextEdit*>("txtHandledning")->toPlainText();
    EXPECT_TRUE(text.startsWith("Handledning\n"));
    // Every menu of the training window, the editor, the logbook and the six
    // settings pages are described.
    for (const char* rubrik : {"Arkiv", "Övning", "Verktyg", "Hjälp", "ÖVNINGSFÖNSTRET", "LOGGBOKEN", "Färger",
                               "Teckensnitt", "Ljud", "Special", "Styrning", "Filkatalog"})
        EXPECT_TRUE(text.contains(QString("\n") + rubrik + "\n")) << rubrik;
}

}  // namespace
