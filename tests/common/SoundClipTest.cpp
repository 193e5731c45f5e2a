#include "common/SoundClip.h"

#include <gtest/gtest.h>

namespace {

void foervaentaKlipp(const QString& referens, const QString& soekvaeg, int start, int slut)
{
    const SpelaLjudReferens r = SpelaLjudTolkaReferens(referens);
    EXPECT_TRUE(r.medKlipp) << referens.toStdString();
    EXPECT_EQ(r.soekvaeg, soekvaeg);
    EXPECT_EQ(r.start, start);
    EXPECT_EQ(r.slut, slut);
}

void foervaentaHelaTexten(const QString& referens)
{
    const SpelaLjudReferens r = SpelaLjudTolkaReferens(referens);
    EXPECT_FALSE(r.medKlipp) << referens.toStdString();
    EXPECT_EQ(r.soekvaeg, referens);
}

void foervaentaTolkaKlipp(const QString& referens, const QString& soekvaeg, double in, double ut)
{
    const KlippReferens r = TolkaKlipp(referens);
    EXPECT_EQ(r.soekvaeg, soekvaeg) << referens.toStdString();
    EXPECT_EQ(r.inpunkt, in) << referens.toStdString();
    EXPECT_EQ(r.utpunkt, ut) << referens.toStdString();
}

}  // namespace

TEST(SoundClip, PlayerUsesAClipOnlyWhenItIsWellOrdered)
{
    foervaentaKlipp(QStringLiteral("\\ljud\\hund.wav{1200,2500}"), QStringLiteral("\\ljud\\hund.wav"), 1200, 2500);
    foervaentaKlipp(QStringLiteral("a.wav{0,1}"), QStringLiteral("a.wav"), 0, 1);
    foervaentaKlipp(QStringLiteral("a.wav{ 10.5,20.5}"), QStringLiteral("a.wav"), 10, 20);
    foervaentaKlipp(QStringLiteral("a.wav{5,9,7}"), QStringLiteral("a.wav"), 5, 9);
    // Only the first "{" counts: "b.wav{5" reads as 0.
    foervaentaKlipp(QStringLiteral("a{b.wav{5,9}"), QStringLiteral("a"), 0, 9);
    foervaentaHelaTexten(QStringLiteral("\\ljud\\hund.wav{2500,1200}"));
    foervaentaHelaTexten(QStringLiteral("a.wav{1200,1200}"));
    foervaentaHelaTexten(QStringLiteral("a.wav{1200}"));
    foervaentaHelaTexten(QStringLiteral("a.wav{-5,100}"));
    foervaentaHelaTexten(QStringLiteral("a.wav{x,y}"));
    foervaentaHelaTexten(QStringLiteral("C:\\Ljud\\hund.wav"));
    foervaentaHelaTexten(QString());
    // A reference that ends in "{", and numbers no int can hold, are no clip.
    foervaentaHelaTexten(QStringLiteral("a.wav{"));
    foervaentaHelaTexten(QStringLiteral("{"));
    foervaentaHelaTexten(QStringLiteral("a.wav{0,99999999999}"));
    foervaentaHelaTexten(QStringLiteral("a.wav{0,") + QString(400, u'9') + "}");
    foervaentaHelaTexten(QStringLiteral("a.wav{-99999999999,5}"));
}

TEST(SoundClip, ClipWindowReadsPathAndPoints)
{
    foervaentaTolkaKlipp(QStringLiteral("C:\\Ljud\\hund.wav{1200,2500}"), QStringLiteral("C:\\Ljud\\hund.wav"), 1200, 2500);
    foervaentaTolkaKlipp(QStringLiteral("hund.wav{2500,1200}"), QStringLiteral("hund.wav"), 2500, 1200);
    foervaentaTolkaKlipp(QStringLiteral("h.wav{12.5,30.25}"), QStringLiteral("h.wav"), 12.5, 30.25);
    foervaentaTolkaKlipp(QStringLiteral("C:\\Ljud\\hund.wav"), QStringLiteral("C:\\Ljud\\hund.wav"), 0, 0);
    // Malformed suffixes keep the path before the "{" and give no points.
    foervaentaTolkaKlipp(QStringLiteral("h.wav{1,2"), QStringLiteral("h.wav"), 0, 0);
    foervaentaTolkaKlipp(QStringLiteral("h.wav{1,}"), QStringLiteral("h.wav"), 0, 0);
    foervaentaTolkaKlipp(QStringLiteral("h.wav{,25}"), QStringLiteral("h.wav"), 0, 0);
    foervaentaTolkaKlipp(QStringLiteral("h.wav{1}2,3}"), QStringLiteral("h.wav"), 0, 0);
    foervaentaTolkaKlipp(QStringLiteral("h.wav{"), QStringLiteral("h.wav"), 0, 0);
    foervaentaTolkaKlipp(QStringLiteral("h.wav{1,") + QString(400, u'9') + "}", QStringLiteral("h.wav"), 0, 0);
    // A "{" in first place is no suffix: the whole text is the path.
    foervaentaTolkaKlipp(QStringLiteral("{1,2}"), QStringLiteral("{1,2}"), 0, 0);
    foervaentaTolkaKlipp(QString(), QString(), 0, 0);
}

TEST(SoundClip, SuffixIsComposedInGeneralNumberFormat)
{
    EXPECT_EQ(LjudKlippSuffix(1200, 2500), QStringLiteral("{1200,2500}"));
    EXPECT_EQ(LjudKlippSuffix(0, 1500), QStringLiteral("{0,1500}"));
    EXPECT_EQ(LjudKlippSuffix(12.5, 30), QStringLiteral("{12.5,30}"));
    const KlippReferens tillbaka = TolkaKlipp(QStringLiteral("h.wav") + LjudKlippSuffix(500, 2999));
    EXPECT_EQ(tillbaka.inpunkt, 500);
    EXPECT_EQ(tillbaka.utpunkt, 2999);
}
