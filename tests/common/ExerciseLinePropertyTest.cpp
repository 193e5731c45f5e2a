#include "common/ExerciseFormat.h"
#include "common/SoundClip.h"
#include "common/TextConversion.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Letters, blanks, every delimiter, sound-path characters, control
// characters, letters outside Windows-1252 and a lone surrogate half.
const QString kAlfabet = QStringLiteral("abcÅäöéüæø  ()[]=(){},.:\\/-0123456789\t\r\n\x01€łŻ")
                         + QChar(0xD800) + QString::fromUcs4(U"\U0001F600");

class Slump {
public:
    explicit Slump(unsigned froe) : motor(froe) {}

    int tal(int minst, int stoerst) { return std::uniform_int_distribution<int>(minst, stoerst)(motor); }

    QString text(int stoerstaLaengd)
    {
        QString t;
        const int laengd = tal(0, stoerstaLaengd);
        for (int i = 0; i < laengd; ++i)
            t.append(kAlfabet[tal(0, int(kAlfabet.size()) - 1)]);
        return t;
    }

    // Inserts, removes or replaces a few characters.
    QString muterad(QString t)
    {
        const int antal = tal(1, 4);
        for (int i = 0; i < antal; ++i) {
            const int plats = tal(0, int(t.size()));
            switch (tal(0, 2)) {
            case 0: t.insert(plats, kAlfabet[tal(0, int(kAlfabet.size()) - 1)]); break;
            case 1: if (plats < t.size()) t.remove(plats, 1); break;
            default: if (plats < t.size()) t[plats] = kAlfabet[tal(0, int(kAlfabet.size()) - 1)]; break;
            }
        }
        return t;
    }

private:
    std::mt19937 motor;
};

bool aerRent(const QString& faelt)
{
    QString kopia = faelt;
    RensaFaelt(kopia);
    return kopia == faelt;
}

qsizetype summaLaengd(const Uppgift& u)
{
    return u.Ord.size() + u.OrdUttal.size() + u.Foerklaring.size() + u.FoerklaringUttal.size();
}

Uppgift rensadUppgift(Slump& slump)
{
    Uppgift u;
    for (int nummer = 1; nummer <= 4; ++nummer) {
        u.falt(nummer) = slump.text(12);
        RensaFaelt(u.falt(nummer));
    }
    if (u.Foerklaring.isEmpty())
        u.FoerklaringUttal.clear();
    return u;
}

}  // namespace

TEST(ExerciseLineProperty, EveryReaderTakesAnyLineApartSafely)
{
    Slump slump(20240611);
    QString foerra = QStringLiteral("dog[dåg] (hund)[hunnd]");
    for (int varv = 0; varv < 5000; ++varv) {
        const QString rad = varv % 2 ? slump.muterad(foerra) : slump.text(60);
        foerra = varv % 7 ? rad : OevningsRad(rensadUppgift(slump));

        const Uppgift laest = LaesInOevningTolkaRad(rad);
        EXPECT_LE(summaLaengd(laest), rad.size());
        for (int nummer = 1; nummer <= 4; ++nummer)
            EXPECT_TRUE(aerRent(laest.falt(nummer))) << rad.toStdString();

        EXPECT_LE(summaLaengd(RedigeraTolkaRad(rad)), rad.size());

        // Free text converts to a line that converts to itself and that the
        // loader reads back to the same item.
        const QString kanonisk = KonverteraRad(rad);
        EXPECT_EQ(KonverteraRad(kanonisk), kanonisk) << rad.toStdString();
        if (!kanonisk.isEmpty()) {
            EXPECT_EQ(OevningsRad(LaesInOevningTolkaRad(kanonisk)), kanonisk) << rad.toStdString();
        }

        EXPECT_EQ(KonverteraFraanDos(rad).size(), rad.size());

        const SpelaLjudReferens spela = SpelaLjudTolkaReferens(rad);
        EXPECT_TRUE(rad.startsWith(spela.soekvaeg));
        if (spela.medKlipp) {
            EXPECT_TRUE(spela.start >= 0 && spela.slut > spela.start);
        }
        EXPECT_TRUE(rad.startsWith(TolkaKlipp(rad).soekvaeg));
    }
}

TEST(ExerciseLineProperty, ComposedLinesReadBackToTheirFields)
{
    Slump slump(7);
    int proevade = 0;
    for (int varv = 0; varv < 5000; ++varv) {
        const Uppgift uppgift = rensadUppgift(slump);
        if (uppgift.Ord.isEmpty())
            continue;
        ++proevade;
        const QString rad = OevningsRad(uppgift);
        EXPECT_EQ(LaesInOevningTolkaRad(rad), uppgift) << rad.toStdString();
        EXPECT_EQ(RedigeraTolkaRad(rad), uppgift) << rad.toStdString();
        EXPECT_EQ(KonverteraRad(rad), rad) << rad.toStdString();
    }
    EXPECT_GT(proevade, 1000);
}
