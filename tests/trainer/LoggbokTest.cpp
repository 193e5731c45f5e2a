#include "common/LoggbokFil.h"
#include "common/ModPluvo.h"
#include "support/TestSupport.h"
#include "trainer/Loggbok.h"

#include <QDateTime>
#include <gtest/gtest.h>

using TestSupport::CRLF;

namespace {

// A logbook with an exercise loaded and a Pluvo run started, as every run's
// lines follow those two.
Loggbok loggbokMedKoerning()
{
    Loggbok bok;
    bok.skrivInlaesning("Aktuell övning: djur.rtt", "10:00:00");
    bok.skrivKoerningsHuvud(PluvoVisar, false, false, 3, "10:00:05");
    return bok;
}

QString efterHuvud(const Loggbok& bok)
{
    return bok.text().mid(loggbokMedKoerning().text().size());
}

}  // namespace

TEST(Loggbok, LoadLineAndRunHeadersOfEachMode)
{
    Loggbok bok;
    bok.skrivInlaesning("Aktuell övning: djur.rtt", "10:00:00");
    EXPECT_EQ(bok.text(), "**** Aktuell övning: djur.rtt - 10:00:00 ****" + CRLF + CRLF);

    bok.skrivKoerningsHuvud(PluvoVisar, true, true, 7, "10:01:00");
    bok.skrivKoerningsHuvud(Laeser, false, false, 12, "10:02:00");
    bok.skrivKoerningsHuvud(TestVisar, true, false, 3, "10:03:00");
    EXPECT_TRUE(bok.text().endsWith(
        "Pluvo - slumpmässig ordning - omvänd övning - Antal ord: 7 - 10:01:00" + CRLF +
        "Läs - Antal ord: 12 - 10:02:00" + CRLF +
        "Test - slumpmässig ordning - Antal ord: 3 - 10:03:00" + CRLF));
}

TEST(Loggbok, WrongKeyLinesWithAndWithoutExplanation)
{
    Loggbok utan = loggbokMedKoerning();
    utan.skrivFelTangent("hund", "", 2, u'x');
    EXPECT_TRUE(utan.harOeppenRad());
    utan.avslutaFelrad();
    EXPECT_EQ(efterHuvud(utan), "hund - hux" + CRLF);

    Loggbok med = loggbokMedKoerning();
    med.skrivFelTangent("katt", "djur", 1, u'e');
    med.avslutaFelrad();
    EXPECT_EQ(efterHuvud(med), "katt (djur) - ke" + CRLF);
}

TEST(Loggbok, FurtherWrongKeysJoinTheOpenLine)
{
    Loggbok bok = loggbokMedKoerning();
    bok.skrivFelTangent("sol", "", 0, u'x');
    bok.skrivFelTangent("sol", "", 0, u'y');
    bok.avslutaFelrad();
    // A right letter with no line open adds nothing.
    bok.avslutaFelrad();
    EXPECT_EQ(efterHuvud(bok), "sol - x\\y" + CRLF);
}

TEST(Loggbok, WordShownLines)
{
    Loggbok utan = loggbokMedKoerning();
    utan.skrivOrdetVisades("sol", "", false);
    EXPECT_EQ(efterHuvud(utan), "Ordet visades - sol" + CRLF);

    Loggbok med = loggbokMedKoerning();
    med.skrivOrdetVisades("sol", "värmer", false);
    EXPECT_EQ(efterHuvud(med), "Ordet visades - sol(värmer)" + CRLF);
}

TEST(Loggbok, WordShownAfterACountedWrongKeyFollowsAnEmptyLine)
{
    Loggbok bok = loggbokMedKoerning();
    bok.skrivFelTangent("sol", "", 0, u'x');
    bok.avslutaFelrad();
    bok.skrivOrdetVisades("sol", "", true);
    EXPECT_EQ(efterHuvud(bok), "sol - x" + CRLF + CRLF + "Ordet visades - sol" + CRLF);
}

TEST(Loggbok, WordShownWhileALineIsOpenStartsItsOwnLine)
{
    // Counted wrong key, no right letter yet: one line end only.
    Loggbok raeknad = loggbokMedKoerning();
    raeknad.skrivFelTangent("sol", "", 1, u'x');
    raeknad.skrivOrdetVisades("sol", "", true);
    EXPECT_EQ(efterHuvud(raeknad), "sol - sx" + CRLF + "Ordet visades - sol" + CRLF);

    // A Test run's alternative-word key leaves a line open without counting.
    Loggbok alternativ = loggbokMedKoerning();
    alternativ.skrivFelTangent("kall", "inte varm", 1, u'y');
    alternativ.skrivOrdetVisades("kall", "inte varm", false);
    EXPECT_EQ(efterHuvud(alternativ),
              "kall (inte varm) - ky" + CRLF + "Ordet visades - kall(inte varm)" + CRLF);
}

TEST(Loggbok, PassedOverFinishedAndAbortedLines)
{
    Loggbok bok = loggbokMedKoerning();
    bok.skrivVidareTillNaesta();
    bok.skrivGenomfoerd("10:05:00");
    bok.skrivAvbruten(9, "10:06:00");
    EXPECT_EQ(efterHuvud(bok), "Vidare till nästa utan att skriva ordet" + CRLF +
                                   "Övningen genomförd - 10:05:00" + CRLF + CRLF +
                                   "Övningen avbruten - 9 ord kvar - 10:06:00" + CRLF + CRLF);
}

TEST(Loggbok, EscClosesAnOpenLineBeforeTheAbortLine)
{
    Loggbok bok = loggbokMedKoerning();
    bok.skrivFelTangent("sol", "", 0, u'x');
    bok.skrivAvbruten(3, "10:06:00");
    EXPECT_EQ(efterHuvud(bok),
              "sol - x" + CRLF + "Övningen avbruten - 3 ord kvar - 10:06:00" + CRLF + CRLF);
}

TEST(Loggbok, LoadLineNeverJoinsAnOpenLine)
{
    Loggbok bok = loggbokMedKoerning();
    bok.skrivFelTangent("sol", "", 0, u'x');
    bok.skrivInlaesning("Aktuell övning: ny.rtt", "10:07:00");
    EXPECT_EQ(efterHuvud(bok),
              "sol - x" + CRLF + "**** Aktuell övning: ny.rtt - 10:07:00 ****" + CRLF + CRLF);
    EXPECT_FALSE(bok.harOeppenRad());
}

TEST(Loggbok, HasContentOnlyBeyondTheStartUpLoadLine)
{
    EXPECT_FALSE(LoggbokHarInnehaall(""));
    EXPECT_FALSE(LoggbokHarInnehaall("no line end"));

    Loggbok bok;
    bok.skrivInlaesning("Aktuell övning: djur.rtt", "10:00:00");
    EXPECT_FALSE(LoggbokHarInnehaall(bok.text()));

    EXPECT_FALSE(LoggbokHarInnehaall("x" + CRLF + "ab"));
    EXPECT_TRUE(LoggbokHarInnehaall("x" + CRLF + "abc"));

    bok.skrivKoerningsHuvud(PluvoVisar, false, false, 3, "10:00:05");
    EXPECT_TRUE(LoggbokHarInnehaall(bok.text()));
}

TEST(Loggbok, FileNameAndContentsShareOneClockReading)
{
    const QDateTime nyaaarsafton(QDate(2026, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(loggbokFilnamn(nyaaarsafton), "20261231_235959.slf");
    EXPECT_EQ(loggbokFilInnehaall("rad" + CRLF, nyaaarsafton),
              "Pluvo - Loggbok" + CRLF + "2026-12-31 - 23:59:59" + CRLF + CRLF + "rad" + CRLF +
                  CRLF + CRLF);

    const QDateTime tidigt(QDate(2027, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(loggbokFilnamn(tidigt), "20270102_030405.slf");
}
