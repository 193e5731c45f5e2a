#include "common/ExerciseFormat.h"
#include "common/TextConversion.h"

#include <gtest/gtest.h>

namespace {

Uppgift uppgift(const QString& ord, const QString& ordUttal = {}, const QString& foerklaring = {},
                const QString& foerklaringUttal = {})
{
    return Uppgift{ord, ordUttal, foerklaring, foerklaringUttal};
}

}  // namespace

TEST(ExerciseLine, ComposedInCanonicalForm)
{
    EXPECT_EQ(OevningsRad(uppgift("thread", {}, "tråd")), QStringLiteral("thread (tråd)"));
    EXPECT_EQ(OevningsRad(uppgift("häst")), QStringLiteral("häst"));
    EXPECT_EQ(OevningsRad(uppgift("dog", "dåg", "hund", "hunnd")), QStringLiteral("dog[dåg] (hund)[hunnd]"));
    EXPECT_EQ(OevningsRad(uppgift("dog", "dåg")), QStringLiteral("dog[dåg]"));
    EXPECT_EQ(OevningsRad(uppgift("dog", {}, "hund", "hunnd")), QStringLiteral("dog (hund)[hunnd]"));
    // The explanation's pronunciation is never written alone.
    EXPECT_EQ(OevningsRad(uppgift("dog", "dåg", {}, "hunnd")), QStringLiteral("dog[dåg]"));
}

TEST(ExerciseLine, LoaderScannerSplitsAndCleans)
{
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("thread (tråd)")), uppgift("thread", {}, "tråd"));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("dog[dåg] (hund)[hunnd]")), uppgift("dog", "dåg", "hund", "hunnd"));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("dog (hund)[hunnd]")), uppgift("dog", {}, "hund", "hunnd"));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("  häst  ")), uppgift("häst"));
    // Characters after the "]" that closes field 4 are ignored.
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("a (b)[c] extra [d]")), uppgift("a", {}, "b", "c"));
    // Stray delimiters are kept by the scan and removed by the cleaning.
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("a]b)c")), uppgift("abc"));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("a[b[c] (d(e)[f(g)h")), uppgift("a", "bc", "de", "fgh"));
    // Unbalanced brackets keep what was gathered.
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("word[pron")), uppgift("word", "pron"));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("word (expl")), uppgift("word", {}, "expl"));
    // Blanks and equals signs alone give a row with empty fields.
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("   ")), uppgift({}));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("===")), uppgift({}));
    EXPECT_EQ(LaesInOevningTolkaRad(QStringLiteral("(only expl)")), uppgift({}, {}, "only expl"));
    EXPECT_EQ(LaesInOevningTolkaRad(QString()), uppgift({}));
}

TEST(ExerciseLine, ItemWindowReaderFillsBoxesUncleaned)
{
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("thread (tråd)")), uppgift("thread", {}, "tråd"));
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("dog[dåg] (hund)[hunnd]")), uppgift("dog", "dåg", "hund", "hunnd"));
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("dog (hund)[hunnd]")), uppgift("dog", {}, "hund", "hunnd"));
    // Nothing ends the scan: text after field 4 goes into the last box.
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("a (b)[c] extra [d]")), uppgift("a", {}, "b", "c extra d"));
    // No cleaning: stray blanks stay.
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("  häst  ")), uppgift("  häst  "));
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("a  (b )")), uppgift("a ", {}, "b "));
    // Only a blank before "(" is dropped: a letter there is part of the word.
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("word(expl)")), uppgift("word", {}, "expl"));
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("word[pron](expl)")), uppgift("word", "pron", "expl"));
    // A box still empty at the "(" has nothing to drop.
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("(expl)")), uppgift({}, {}, "expl"));
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("[(expl)")), uppgift({}, {}, "expl"));
    EXPECT_EQ(RedigeraTolkaRad(QStringLiteral("a[b[c]d")), uppgift("a", "bcd"));
    EXPECT_EQ(RedigeraTolkaRad(QString()), uppgift({}));
}

TEST(ExerciseLine, SoundReferencesWithClipSuffixSurviveBothReaders)
{
    const Uppgift ljud = uppgift("dog", "\\ljud\\dog.wav{1200,2500}", "hund", "C:\\Ljud\\hund.wav");
    const QString rad = OevningsRad(ljud);
    EXPECT_EQ(rad, QStringLiteral("dog[\\ljud\\dog.wav{1200,2500}] (hund)[C:\\Ljud\\hund.wav]"));
    EXPECT_EQ(LaesInOevningTolkaRad(rad), ljud);
    EXPECT_EQ(RedigeraTolkaRad(rad), ljud);
}
