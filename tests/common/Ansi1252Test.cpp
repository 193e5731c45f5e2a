#include "common/Ansi1252.h"
#include "common/Iconv.h"

#include <gtest/gtest.h>

TEST(Ansi1252, EveryCodeRoundTripsThroughItsCharacter)
{
    for (int kod = 0; kod <= 255; ++kod)
        EXPECT_EQ(ansiCode(ansiChar(kod)), kod) << kod;
}

TEST(Ansi1252, DefinedCodesAgreeWithIconvAndUndefinedOnesKeepTheirValue)
{
    for (int kod = 0; kod <= 255; ++kod) {
        const auto iconvText = iconvByteTillText("CP1252", static_cast<unsigned char>(kod));
        if (iconvText)
            EXPECT_EQ(QString(ansiChar(kod)), *iconvText) << kod;
        else
            EXPECT_EQ(ansiChar(kod).unicode(), kod) << kod;
    }
    for (int odefinierad : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_FALSE(iconvByteTillText("CP1252", static_cast<unsigned char>(odefinierad)));
}

TEST(Ansi1252, CharactersOutsideTheCodePageHaveNoCode)
{
    EXPECT_EQ(ansiCode(QChar(0x0142)), -1);  // ł
    EXPECT_EQ(ansiCode(QChar(0x0080)), -1);  // its byte stands for the euro sign
    EXPECT_EQ(ansiCode(QChar(0x009F)), -1);
    EXPECT_EQ(ansiCode(QChar(0x20AC)), 0x80);
    EXPECT_EQ(ansiCode(QChar(u'å')), 0xE5);
    EXPECT_EQ(ansiChar(256), QChar());
    EXPECT_EQ(ansiChar(-1), QChar());
}

TEST(Ansi1252, AllBytesSurviveDecodingAndEncoding)
{
    QByteArray allaBytes;
    for (int b = 0; b <= 255; ++b)
        allaBytes.append(static_cast<char>(b));
    const AnsiKodning kodad = tillAnsi(fraanAnsi(allaBytes));
    ASSERT_TRUE(kodad.ok());
    EXPECT_EQ(kodad.bytes, allaBytes);
}

TEST(Ansi1252, EncoderNamesTheFirstCharacterItCannotHold)
{
    const AnsiKodning euro = tillAnsi(QStringLiteral("10 € för åäö"));
    ASSERT_TRUE(euro.ok());
    EXPECT_EQ(euro.bytes, QByteArray("10 \x80 f\xF6r \xE5\xE4\xF6"));

    const AnsiKodning polska = tillAnsi(QStringLiteral("Łódź ł"));
    EXPECT_FALSE(polska.ok());
    EXPECT_EQ(polska.felIndex, 0);
    EXPECT_EQ(polska.felTecken, QStringLiteral("Ł"));

    const QString medEmoji = QStringLiteral("ok ") + QString::fromUcs4(U"\U0001F600") + "!";
    const AnsiKodning emoji = tillAnsi(medEmoji);
    EXPECT_EQ(emoji.felIndex, 3);
    EXPECT_EQ(emoji.felTecken, QString::fromUcs4(U"\U0001F600"));
}
