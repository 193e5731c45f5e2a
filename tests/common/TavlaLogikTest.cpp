#include "common/TavlaLogik.h"

#include <QString>
#include <gtest/gtest.h>

#include <tuple>

namespace {

QString texter(QChar vaentat)
{
    QString s;
    for (QChar c : FyllTavla(vaentat))
        s += c;
    return s;
}

const TavlaSynlig Skriver{true, true};    // pupil types: cells and back picture
const TavlaSynlig Visar{true, false};     // word shown: no back picture
const TavlaSynlig Laeser{false, false};   // Läs run: pictures only

// The cursor positions after `antal` steps with "Närmaste väg".
std::vector<int> steg(int start, int maal, bool kant, const TavlaSynlig& synlig, int antal,
                      bool naermaste = true)
{
    std::vector<int> vaegen;
    int val = start;
    for (int i = 0; i < antal; ++i) {
        val = StegaBokstavstavla(val, maal, naermaste, kant, synlig);
        vaegen.push_back(val);
    }
    return vaegen;
}

}  // namespace

TEST(FyllTavla, CaptionsForTheExpectedCharacter)
{
    struct Fall {
        QChar vaentat;
        QString celler;
    };
    const Fall fall[] = {
        {u'e', "abcdefghijklmnopqrstuvwxyzåäö "},
        {u'É', "ABCDÉFGHIJKLMNOPQRSTUVWXYZÅÄÖ "},
        {u'æ', "abcdefghijklmnopqrstuvwxyzåæö "},
        {u'Æ', "ABCDEFGHIJKLMNOPQRSTUVWXYZÅÆÖ "},
        {u'µ', "abcdefghijklmnopqrstµvwxyzåäö "},
        {u'ÿ', "abcdefghijklmnopqrstuvwxÿzåäö "},
        {u'7', "abcdefghijklmnopqrstuvwxyzåäö7"},
        {u'-', "abcdefghijklmnopqrstuvwxyzåäö-"},
        {u'ß', "abcdefghijklmnopqrstuvwxyzåäöß"},
        {u' ', "abcdefghijklmnopqrstuvwxyzåäö "},
        {u'Ý', "ABCDEFGHIJKLMNOPQRSTUVWXÝZÅÄÖ "},
        {u'ñ', "abcdefghijklmñopqrstuvwxyzåäö "},
        {u'Ä', "ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ "},
    };
    for (const Fall& f : fall)
        EXPECT_EQ(texter(f.vaentat), f.celler) << QString(f.vaentat).toStdString();
}

TEST(FyllTavla, TargetIsTheFirstCellShowingTheCharacter)
{
    EXPECT_EQ(TavlaMaal(FyllTavla(u'o'), u'o'), 14);
    EXPECT_EQ(TavlaMaal(FyllTavla(u'É'), u'É'), 4);
    EXPECT_EQ(TavlaMaal(FyllTavla(u'7'), u'7'), 29);
    EXPECT_EQ(TavlaMaal(FyllTavla(u' '), u' '), 29);
    // No cell shows it: the first cell.
    EXPECT_EQ(TavlaMaal(FyllTavla(u'a'), u'Q'), 0);
}

TEST(FyllTavla, FirstHiddenLetter)
{
    EXPECT_EQ(FoersteTommaPosition({true, true, false, false}), 2);
    EXPECT_EQ(FoersteTommaPosition({false, false}), 0);
    EXPECT_EQ(FoersteTommaPosition({true, true}), 0);
    EXPECT_EQ(FoersteTommaPosition({}), 0);
}

TEST(Tavlasteg, NearestWayReachesTheTargetThenLeaves)
{
    // Next letter "o" in cell 14.
    EXPECT_EQ(steg(Tavla::Naesta, 14, false, Skriver, 4),
              (std::vector<int>{14, Tavla::Bakaat, Tavla::Naesta, 14}));
}

TEST(Tavlasteg, WrapsRoundTheRowWhenThatIsShorter)
{
    EXPECT_EQ(steg(12, 3, false, Skriver, 7), (std::vector<int>{13, 14, 0, 1, 2, 3, Tavla::Bakaat}));
    EXPECT_EQ(steg(12, 3, true, Skriver, 9),
              (std::vector<int>{11, 10, 9, 8, 7, 6, 5, 4, 3}));
    // Seven cells away the direct way is taken; eight away the way round.
    EXPECT_EQ(steg(0, 7, false, Skriver, 1), std::vector<int>{1});
    EXPECT_EQ(steg(0, 8, false, Skriver, 1), std::vector<int>{14});
    EXPECT_EQ(steg(22, 29, false, Skriver, 1), std::vector<int>{23});
    EXPECT_EQ(steg(29, 15, false, Skriver, 2), (std::vector<int>{15, Tavla::Bakaat}));
    EXPECT_EQ(steg(15, 29, false, Skriver, 1), std::vector<int>{29});
}

TEST(Tavlasteg, ChangesRowFirst)
{
    EXPECT_EQ(steg(5, 20, false, Skriver, 2), (std::vector<int>{20, Tavla::Bakaat}));
    EXPECT_EQ(steg(20, 5, false, Skriver, 1), std::vector<int>{5});
    EXPECT_EQ(steg(5, 20, false, Visar, 2), (std::vector<int>{20, Tavla::Naesta}));
}

TEST(Tavlasteg, FirstStepFromTheNextPicture)
{
    for (auto [maal, utan, med] : {std::tuple{0, 0, 0}, {7, 0, 0}, {8, 14, 0}, {14, 14, 0},
                                   {15, 15, 15}, {21, 15, 15}, {22, 29, 15}, {29, 29, 15}}) {
        EXPECT_EQ(StegaBokstavstavla(Tavla::Naesta, maal, true, false, Skriver), utan) << maal;
        EXPECT_EQ(StegaBokstavstavla(Tavla::Naesta, maal, true, true, Skriver), med) << maal;
    }
    EXPECT_EQ(StegaBokstavstavla(Tavla::Naesta, 22, false, false, Skriver), 0);
}

TEST(Tavlasteg, InOrderWithoutNearestWay)
{
    EXPECT_EQ(steg(27, 0, false, Skriver, 5, false),
              (std::vector<int>{28, 29, Tavla::Bakaat, Tavla::Naesta, 0}));
    EXPECT_EQ(steg(28, 0, false, Visar, 3, false), (std::vector<int>{29, Tavla::Naesta, 0}));
}

TEST(Tavlasteg, LaesRunHasOnlyThePictures)
{
    EXPECT_EQ(StegaBokstavstavla(Tavla::Naesta, 0, false, false, Laeser), Tavla::Naesta);
    EXPECT_EQ(StegaBokstavstavla(Tavla::Naesta, 0, false, false, TavlaSynlig{false, true}),
              Tavla::Bakaat);
    // A cursor left on a cell from an aborted run returns to the pictures.
    EXPECT_EQ(StegaBokstavstavla(9, 0, false, false, Laeser), Tavla::Naesta);
    EXPECT_EQ(StegaBokstavstavla(9, 0, true, false, Laeser), Tavla::Naesta);
}

TEST(Tavlapilar, DownAndUpChangeRows)
{
    EXPECT_EQ(FlyttaMedPil(Tavla::Naesta, Pil::Ner, Skriver), Tavla::Bakaat);
    EXPECT_EQ(FlyttaMedPil(Tavla::Naesta, Pil::Ner, Visar), Tavla::Naesta);
    EXPECT_EQ(FlyttaMedPil(3, Pil::Ner, Skriver), 18);
    EXPECT_EQ(FlyttaMedPil(18, Pil::Ner, Skriver), 18);
    EXPECT_EQ(FlyttaMedPil(Tavla::Bakaat, Pil::Ner, Skriver), Tavla::Bakaat);

    EXPECT_EQ(FlyttaMedPil(Tavla::Bakaat, Pil::Upp, Skriver), Tavla::Naesta);
    EXPECT_EQ(FlyttaMedPil(29, Pil::Upp, Skriver), 14);
    EXPECT_EQ(FlyttaMedPil(14, Pil::Upp, Skriver), 14);
    EXPECT_EQ(FlyttaMedPil(Tavla::Naesta, Pil::Upp, Skriver), Tavla::Naesta);
}

TEST(Tavlapilar, LeftAndRightStopAtTheEnds)
{
    EXPECT_EQ(FlyttaMedPil(5, Pil::Vaenster, Skriver), 4);
    EXPECT_EQ(FlyttaMedPil(0, Pil::Vaenster, Skriver), Tavla::Naesta);
    EXPECT_EQ(FlyttaMedPil(15, Pil::Vaenster, Skriver), Tavla::Bakaat);
    EXPECT_EQ(FlyttaMedPil(15, Pil::Vaenster, Visar), 15);
    EXPECT_EQ(FlyttaMedPil(Tavla::Naesta, Pil::Vaenster, Skriver), Tavla::Naesta);

    EXPECT_EQ(FlyttaMedPil(13, Pil::Hoeger, Skriver), 14);
    EXPECT_EQ(FlyttaMedPil(14, Pil::Hoeger, Skriver), 14);
    EXPECT_EQ(FlyttaMedPil(29, Pil::Hoeger, Skriver), 29);
    EXPECT_EQ(FlyttaMedPil(Tavla::Naesta, Pil::Hoeger, Skriver), 0);
    EXPECT_EQ(FlyttaMedPil(Tavla::Bakaat, Pil::Hoeger, Skriver), 15);
    EXPECT_EQ(FlyttaMedPil(Tavla::Naesta, Pil::Hoeger, Laeser), Tavla::Naesta);
}
