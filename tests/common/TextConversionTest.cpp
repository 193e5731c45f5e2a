#include "common/Ansi1252.h"
#include "common/Iconv.h"
#include "common/TextConversion.h"

#include <gtest/gtest.h>

namespace {

QString rensat(QString faelt)
{
    RensaFaelt(faelt);
    return faelt;
}

}  // namespace

TEST(TextConversion, FolderAndFileNameSplitAtTheLastSeparator)
{
    EXPECT_EQ(HaemtaKatalog(QStringLiteral("C:\\Övn\\Djur.glo")), QStringLiteral("C:\\Övn\\"));
    EXPECT_EQ(HaemtaFilnamn(QStringLiteral("C:\\Övn\\Djur.glo")), QStringLiteral("Djur.glo"));
    EXPECT_EQ(HaemtaKatalog(QStringLiteral("C:\\Övn\\")), QStringLiteral("C:\\Övn\\"));
    EXPECT_EQ(HaemtaFilnamn(QStringLiteral("C:\\Övn\\")), QString());
    EXPECT_EQ(HaemtaKatalog(QStringLiteral("Djur.glo")), QStringLiteral("Djur.glo"));
    EXPECT_EQ(HaemtaFilnamn(QStringLiteral("Djur.glo")), QStringLiteral("Djur.glo"));
    EXPECT_EQ(HaemtaKatalog(QString()), QString());
    EXPECT_EQ(HaemtaFilnamn(QString()), QString());
    // Linux paths, and a mix of both separators.
    EXPECT_EQ(HaemtaKatalog(QStringLiteral("/home/lärare/övn/djur.glo")), QStringLiteral("/home/lärare/övn/"));
    EXPECT_EQ(HaemtaFilnamn(QStringLiteral("/home/lärare/övn/djur.glo")), QStringLiteral("djur.glo"));
    EXPECT_EQ(HaemtaFilnamn(QStringLiteral("a\\b/c.rtt")), QStringLiteral("c.rtt"));
    EXPECT_EQ(HaemtaFilnamn(QStringLiteral("a/b\\c.rtt")), QStringLiteral("c.rtt"));
}

TEST(TextConversion, CleaningKeepsFieldTextAndDropsDelimitersAndControls)
{
    EXPECT_EQ(rensat(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(rensat(QStringLiteral("()[]=")), QString());
    EXPECT_EQ(rensat(QStringLiteral("\ta\tb")), QStringLiteral("ab"));
    EXPECT_EQ(rensat(QStringLiteral(" \t x")), QStringLiteral("x"));
    EXPECT_EQ(rensat(QStringLiteral("\\ljud\\hund.wav{1200,2500}")), QStringLiteral("\\ljud\\hund.wav{1200,2500}"));
    EXPECT_EQ(rensat(QStringLiteral("a:b. c;d'e\"f!g?h<i>j@k^l_m`n|o~p&q*r%s$t#u+v-w/x")),
              QStringLiteral("a:b. c;d'e\"f!g?h<i>j@k^l_m`n|o~p&q*r%s$t#u+v-w/x"));
    EXPECT_EQ(rensat(QStringLiteral("åäö €ÿ\u00A0")), QStringLiteral("åäö €ÿ\u00A0"));
    // Characters Windows-1252 cannot hold have no code, so they go too.
    EXPECT_EQ(rensat(QStringLiteral("żółw")), QStringLiteral("ów"));
    EXPECT_EQ(rensat(QString::fromUcs4(U"a\U0001F600b")), QStringLiteral("ab"));
    EXPECT_EQ(rensat(QString()), QString());
    EXPECT_EQ(rensat(QStringLiteral("   ")), QString());
}

TEST(TextConversion, FreeLineBecomesCanonical)
{
    EXPECT_EQ(KonverteraRad(QStringLiteral("thread (tråd)")), QStringLiteral("thread (tråd)"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("thread = tråd")), QStringLiteral("thread (tråd)"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("thread(tråd)[trod]")), QStringLiteral("thread (tråd)[trod]"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("  häst  ")), QStringLiteral("häst"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("dog[dåg] = hund[hunnd]")), QStringLiteral("dog[dåg] (hund)[hunnd]"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("cat [kätt]")), QStringLiteral("cat[kätt]"));
    // "(" wins over an earlier "=", which the cleaning then removes.
    EXPECT_EQ(KonverteraRad(QStringLiteral("a=b (c)")), QStringLiteral("ab (c)"));
    // An explanation that begins with "[" is dropped with its pronunciation.
    EXPECT_EQ(KonverteraRad(QStringLiteral("word ([x] expl)")), QStringLiteral("word"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("word =[x]")), QStringLiteral("word"));
    // No word, no line.
    EXPECT_EQ(KonverteraRad(QStringLiteral("(tråd)")), QString());
    EXPECT_EQ(KonverteraRad(QStringLiteral("=tråd")), QString());
    EXPECT_EQ(KonverteraRad(QStringLiteral("[x] (y)")), QString());
    EXPECT_EQ(KonverteraRad(QStringLiteral("   (y)")), QString());
    EXPECT_EQ(KonverteraRad(QStringLiteral("===")), QString());
    EXPECT_EQ(KonverteraRad(QString()), QString());
    // A field of only delimiters is empty and not written.
    EXPECT_EQ(KonverteraRad(QStringLiteral("ord[] ()[]")), QStringLiteral("ord"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("ord ( )[uttal]")), QStringLiteral("ord"));
    EXPECT_EQ(KonverteraRad(QStringLiteral("ord (a(b)c)")), QStringLiteral("ord (abc)"));
}

TEST(TextConversion, FreeTextBecomesCanonicalLinesEndedByCrLf)
{
    EXPECT_EQ(KonverteraText(QString()), QString());
    EXPECT_EQ(KonverteraText(QStringLiteral("(a)\r\n(b)\r\n")), QString());
    EXPECT_EQ(KonverteraText(QStringLiteral("a = b\r\n\r\n\r\nc")), QStringLiteral("a (b)\r\nc\r\n"));
    EXPECT_EQ(KonverteraText(QStringLiteral("a = b\nc=d\re\n")), QStringLiteral("a (b)\r\nc (d)\r\ne\r\n"));
    EXPECT_EQ(KonverteraText(QStringLiteral("a\r\n(dropped)\r\n  \r\nb")), QStringLiteral("a\r\nb\r\n"));
}

TEST(TextConversion, CodePage850LettersBecomeWindows1252)
{
    EXPECT_EQ(DosTeckenTillAnsi(132), 228);
    EXPECT_EQ(DosTeckenTillAnsi(134), 229);
    EXPECT_EQ(DosTeckenTillAnsi(148), 246);
    EXPECT_EQ(DosTeckenTillAnsi(142), 196);
    EXPECT_EQ(DosTeckenTillAnsi(143), 197);
    EXPECT_EQ(DosTeckenTillAnsi(153), 214);
    EXPECT_EQ(DosTeckenTillAnsi(225), 223);
    EXPECT_EQ(DosTeckenTillAnsi(230), 181);
    for (int oaendrad : {0, 65, 127, 155, 157, 236, 237, 255})
        EXPECT_EQ(DosTeckenTillAnsi(oaendrad), oaendrad) << oaendrad;

    // Code page 850 "h\x84st (\x86sna)" is "häst (åsna)".
    const QString dos = QString(u'h') + ansiChar(132) + "st (" + ansiChar(134) + "sna)";
    EXPECT_EQ(KonverteraFraanDos(dos), QStringLiteral("häst (åsna)"));
    EXPECT_EQ(KonverteraFraanDos(QStringLiteral("plain ASCII [x] (y)")), QStringLiteral("plain ASCII [x] (y)"));
    // Not its own inverse: Windows-1252 text whose codes fall in the list changes.
    EXPECT_EQ(KonverteraFraanDos(QStringLiteral("é")), QStringLiteral("Ú"));
    // A character outside the code page is left alone; the length never changes.
    const QString blandat = QStringLiteral("ł") + ansiChar(148) + QString::fromUcs4(U"\U0001F600");
    const QString konverterat = KonverteraFraanDos(blandat);
    EXPECT_EQ(konverterat, QStringLiteral("łö") + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(konverterat.size(), blandat.size());
}

TEST(TextConversion, CodePage850TableAgreesWithIconvOnExactlyTheListedCodes)
{
    const auto iListan = [](int k) {
        return (k >= 128 && k <= 154) || (k >= 160 && k <= 165) || (k >= 181 && k <= 183) || k == 198
               || k == 199 || (k >= 210 && k <= 212) || (k >= 214 && k <= 216) || k == 222
               || (k >= 224 && k <= 230) || (k >= 233 && k <= 235);
    };
    int konverterade = 0;
    for (int kod = 0; kod <= 255; ++kod) {
        const int ny = DosTeckenTillAnsi(kod);
        if (!iListan(kod)) {
            EXPECT_EQ(ny, kod) << kod;
            continue;
        }
        ++konverterade;
        const auto facit = iconvByteTillText("CP850", static_cast<unsigned char>(kod));
        ASSERT_TRUE(facit) << kod;
        EXPECT_EQ(QString(ansiChar(ny)), *facit) << kod;
    }
    EXPECT_EQ(konverterade, 55);
}
