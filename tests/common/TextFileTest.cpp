#include "common/TextFile.h"

#include <gtest/gtest.h>

TEST(TextFile, ByteOrderMarkMeansUtf8AndIsDropped)
{
    EXPECT_EQ(avkodaTextfil(QByteArray("\xEF\xBB\xBF[Pluvo 7.0.7]")), QStringLiteral("[Pluvo 7.0.7]"));
    EXPECT_EQ(avkodaTextfil(QByteArray("\xEF\xBB\xBF\x68\xC3\xA4st")), QStringLiteral("häst"));
    EXPECT_EQ(avkodaTextfil(QByteArray("\xEF\xBB\xBF")), QString());
}

TEST(TextFile, WellFormedUtf8WithMultiByteCharactersIsUtf8)
{
    EXPECT_EQ(avkodaTextfil(QByteArray("h\xC3\xA4st (horse)\r\n\xE2\x82\xAC")), QStringLiteral("häst (horse)\r\n€"));
    EXPECT_EQ(avkodaTextfil(QByteArray("\xF0\x9F\x98\x80")), QString::fromUcs4(U"\U0001F600"));
}

TEST(TextFile, EverythingElseIsWindows1252)
{
    // Plain 1252 letters.
    EXPECT_EQ(avkodaTextfil(QByteArray("h\xE4st \xE5\xF6")), QStringLiteral("häst åö"));
    // Overlong "/", an encoded surrogate, a code above U+10FFFF, a sequence cut
    // off at the end, a lone continuation byte: not UTF-8.
    EXPECT_EQ(avkodaTextfil(QByteArray("\xC0\xAF")), QStringLiteral("À¯"));
    EXPECT_EQ(avkodaTextfil(QByteArray("\xED\xA0\x80")), QStringLiteral("í\u00A0€"));
    EXPECT_EQ(avkodaTextfil(QByteArray("\xF4\x90\x80\x80")).size(), 4);
    EXPECT_EQ(avkodaTextfil(QByteArray("ok\xC3")), QStringLiteral("okÃ"));
    EXPECT_EQ(avkodaTextfil(QByteArray("\x80x")), QStringLiteral("€x"));
    // One good UTF-8 letter does not make a file with a bad one UTF-8.
    EXPECT_EQ(avkodaTextfil(QByteArray("\xC3\xA4 \xE4")), QStringLiteral("Ã¤ ä"));
    // Pure ASCII reads the same either way.
    EXPECT_EQ(avkodaTextfil(QByteArray("thread (tr)")), QStringLiteral("thread (tr)"));
}

TEST(TextFile, Utf8CheckReportsMultiByteCharacters)
{
    bool flerbyte = true;
    EXPECT_TRUE(aerGiltigUtf8(QByteArray("abc"), flerbyte));
    EXPECT_FALSE(flerbyte);
    EXPECT_TRUE(aerGiltigUtf8(QByteArray("a\xC3\xA5"), flerbyte));
    EXPECT_TRUE(flerbyte);
    EXPECT_TRUE(aerGiltigUtf8(QByteArray(), flerbyte));
    EXPECT_FALSE(flerbyte);
}

TEST(TextFile, LinesSplitAtCrLfLfAndLoneCr)
{
    EXPECT_EQ(delaIRader(QString()), QStringList());
    EXPECT_EQ(delaIRader(QStringLiteral("\r\n")), QStringList({""}));
    EXPECT_EQ(delaIRader(QStringLiteral("a\r\nb\r\n")), QStringList({"a", "b"}));
    EXPECT_EQ(delaIRader(QStringLiteral("a\r\nb")), QStringList({"a", "b"}));
    EXPECT_EQ(delaIRader(QStringLiteral("a\nb\rc\r\n\r\nd")), QStringList({"a", "b", "c", "", "d"}));
    EXPECT_EQ(delaIRader(QStringLiteral("a\n\r")), QStringList({"a", ""}));
    EXPECT_EQ(delaIRader(QStringLiteral("a\r\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(delaIRader(QStringLiteral("  ")), QStringList({"  "}));
}
