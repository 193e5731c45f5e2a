#include "common/Ansi1252.h"
#include "common/ExerciseFile.h"
#include "common/ExerciseFormat.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using TestSupport::ansi;
using TestSupport::lasFil;
using TestSupport::skrivFil;

namespace {

// The answer to the old-version question, and how often it was asked.
struct Fraaga {
    bool svar = false;
    int gaanger = 0;
    FraagaOmKonvertering funktion()
    {
        return [this] {
            ++gaanger;
            return svar;
        };
    }
};

class ExerciseFile : public ::testing::Test {
protected:
    QTemporaryDir mapp;
    QString vaeg(const QString& namn) const { return mapp.filePath(namn); }
};

}  // namespace

TEST_F(ExerciseFile, HeaderCarriesTitleAndVersion)
{
    EXPECT_EQ(OevningsHuvud(), QStringLiteral("[Pluvo 7.0.7]"));
}

TEST_F(ExerciseFile, WrittenFileReadsBackAndWritesAgainByteForByte)
{
    const QString text = QStringLiteral(
        "[Pluvo 7.0.7]\r\n"
        "åäö (ÅÄÖ)\r\n"
        "café[kafé] (kafé)[kafe]\r\n"
        "Müller (mjölnare)\r\n"
        "æble[\\ljud\\æble.wav{1200,2500}] (äpple)[C:\\Ljud\\äpple.wav{0,800}]\r\n"
        "smørrebrød (smörgås)\r\n"
        "pris (10 €)\r\n");
    const QString kaella = vaeg("kaella.glo");
    skrivFil(kaella, ansi(text));

    Fraaga fraaga;
    const OevningsfilRader laest = LaesOevningsfilRader(kaella, fraaga.funktion());
    ASSERT_EQ(laest.status, OevningsfilStatus::Laest);
    EXPECT_EQ(fraaga.gaanger, 0);
    EXPECT_FALSE(laest.konverterad);
    ASSERT_EQ(laest.rader.size(), 6);

    // The editor's road: lines unchanged.
    ASSERT_TRUE(SkrivOevningsfil(vaeg("kopia.glo"), laest.rader).ok());
    EXPECT_EQ(lasFil(vaeg("kopia.glo")), lasFil(kaella));

    // Through the items and back: the same bytes again.
    QStringList komponerade;
    for (const Uppgift& u : LaesInOevningsfil(kaella, fraaga.funktion()).rader)
        komponerade.append(OevningsRad(u));
    ASSERT_TRUE(SkrivOevningsfil(vaeg("komponerad.glo"), komponerade).ok());
    EXPECT_EQ(lasFil(vaeg("komponerad.glo")), lasFil(kaella));

    const Uppgift ljud = LaesInOevningsfil(kaella, {}).rader.at(3);
    EXPECT_EQ(ljud.OrdUttal, QStringLiteral("\\ljud\\æble.wav{1200,2500}"));
    EXPECT_EQ(ljud.FoerklaringUttal, QStringLiteral("C:\\Ljud\\äpple.wav{0,800}"));
}

TEST_F(ExerciseFile, HeaderIsDroppedWithoutAQuestionAndOnlyTheFirstLineIsTested)
{
    skrivFil(vaeg("a.rtt"), "[whatever]\r\n[x] (y)\r\n\r\nhund\r\n");
    Fraaga fraaga;
    const OevningsfilRader r = LaesOevningsfilRader(vaeg("a.rtt"), fraaga.funktion());
    EXPECT_EQ(fraaga.gaanger, 0);
    EXPECT_EQ(r.rader, QStringList({"[x] (y)", "hund"}));
}

TEST_F(ExerciseFile, OlderFileAsksOnceAndConvertsOnYes)
{
    // Code page 850: "h\x84st (\x86sna)".
    skrivFil(vaeg("gammal.glo"), "h\x84st (\x86sna)\r\n\x94ra\r\n");
    Fraaga ja{true};
    const OevningsfilRader konverterad = LaesOevningsfilRader(vaeg("gammal.glo"), ja.funktion());
    EXPECT_EQ(ja.gaanger, 1);
    EXPECT_TRUE(konverterad.konverterad);
    EXPECT_EQ(konverterad.rader, QStringList({"häst (åsna)", "öra"}));
    const InlaestOevning rader = LaesInOevningsfil(vaeg("gammal.glo"), ja.funktion());
    ASSERT_EQ(rader.rader.size(), 2u);
    EXPECT_EQ(rader.rader[0].Ord, QStringLiteral("häst"));
    EXPECT_EQ(rader.rader[0].Foerklaring, QStringLiteral("åsna"));

    Fraaga nej{false};
    const OevningsfilRader oaendrad = LaesOevningsfilRader(vaeg("gammal.glo"), nej.funktion());
    EXPECT_EQ(nej.gaanger, 1);
    EXPECT_FALSE(oaendrad.konverterad);
    EXPECT_EQ(oaendrad.rader.first(), QString(u'h') + ansiChar(0x84) + "st (" + ansiChar(0x86) + "sna)");

    // An empty first line is no header either.
    skrivFil(vaeg("tomfoersta.glo"), "\r\nthread (tråd)\r\n");
    Fraaga tom;
    EXPECT_EQ(LaesOevningsfilRader(vaeg("tomfoersta.glo"), tom.funktion()).rader.size(), 1);
    EXPECT_EQ(tom.gaanger, 1);
}

TEST_F(ExerciseFile, OpenFailureIsToldApartFromAFileWithoutRows)
{
    Fraaga fraaga;
    EXPECT_EQ(LaesInOevningsfil(vaeg("saknas.glo"), fraaga.funktion()).status, OevningsfilStatus::KundeInteOeppnas);
    EXPECT_EQ(LaesInOevningsfil(QString(), fraaga.funktion()).status, OevningsfilStatus::KundeInteOeppnas);
    EXPECT_EQ(LaesInOevningsfil(mapp.path(), fraaga.funktion()).status, OevningsfilStatus::KundeInteOeppnas);

    // A pipe nobody writes to must not hold the read up.
    const QByteArray roer = vaeg("roer.glo").toLocal8Bit();
    ASSERT_EQ(mkfifo(roer.constData(), 0600), 0);
    EXPECT_EQ(LaesInOevningsfil(QString::fromLocal8Bit(roer), fraaga.funktion()).status,
              OevningsfilStatus::KundeInteOeppnas);

    skrivFil(vaeg("tom.glo"), QByteArray());
    const InlaestOevning tom = LaesInOevningsfil(vaeg("tom.glo"), fraaga.funktion());
    EXPECT_EQ(tom.status, OevningsfilStatus::Laest);
    EXPECT_TRUE(tom.rader.empty());

    skrivFil(vaeg("huvud.glo"), "[Pluvo 7.0.7]\r\n\r\n\r\n");
    const InlaestOevning baraHuvud = LaesInOevningsfil(vaeg("huvud.glo"), fraaga.funktion());
    EXPECT_EQ(baraHuvud.status, OevningsfilStatus::Laest);
    EXPECT_TRUE(baraHuvud.rader.empty());
    EXPECT_EQ(fraaga.gaanger, 0);
}

TEST_F(ExerciseFile, TrainingKeepsTheFirstThousandRowsAndTheEditorKeepsAll)
{
    QByteArray innehaall = "[Pluvo 7.0.7]\r\n";
    for (int i = 0; i < 1005; ++i)
        innehaall += "ord" + QByteArray::number(i) + " (f" + QByteArray::number(i) + ")\r\n\r\n";
    innehaall += "===\r\n   \r\n";
    skrivFil(vaeg("lang.ord"), innehaall);

    QElapsedTimer tid;
    tid.start();
    const InlaestOevning traening = LaesInOevningsfil(vaeg("lang.ord"), {});
    EXPECT_LT(tid.elapsed(), 1000);
    ASSERT_EQ(traening.rader.size(), 1000u);
    EXPECT_EQ(traening.rader.back().Ord, QStringLiteral("ord999"));
    EXPECT_EQ(traening.rader.back().Foerklaring, QStringLiteral("f999"));
    EXPECT_EQ(LaesOevningsfilRader(vaeg("lang.ord"), {}).rader.size(), 1007);

    // Rows with an empty word, and lines of blanks, are still rows.
    skrivFil(vaeg("tomma.ord"), "[Pluvo 7.0.7]\r\n===\r\n   \r\n(bara)\r\n");
    const InlaestOevning tomma = LaesInOevningsfil(vaeg("tomma.ord"), {});
    ASSERT_EQ(tomma.rader.size(), 3u);
    EXPECT_EQ(tomma.rader[0], Uppgift());
    EXPECT_EQ(tomma.rader[1], Uppgift());
    EXPECT_EQ(tomma.rader[2].Foerklaring, QStringLiteral("bara"));
}

TEST_F(ExerciseFile, LineEndsOfEveryKindAndUtf8FilesAreRead)
{
    skrivFil(vaeg("lf.glo"), "[Pluvo 7.0.7]\nett\rtv\xE5\r\ntre");
    EXPECT_EQ(LaesOevningsfilRader(vaeg("lf.glo"), {}).rader, QStringList({"ett", "två", "tre"}));

    skrivFil(vaeg("utf8.glo"), "[Pluvo 7.0.7]\r\nh\xC3\xA4st (horse)\r\n");
    EXPECT_EQ(LaesOevningsfilRader(vaeg("utf8.glo"), {}).rader, QStringList({"häst (horse)"}));

    skrivFil(vaeg("bom.glo"), "\xEF\xBB\xBF[Pluvo 7.0.7]\r\nhund\r\n");
    Fraaga fraaga;
    EXPECT_EQ(LaesOevningsfilRader(vaeg("bom.glo"), fraaga.funktion()).rader, QStringList({"hund"}));
    EXPECT_EQ(fraaga.gaanger, 0);
}

TEST_F(ExerciseFile, BinaryHugeAndLongLinedFilesNeverCrashOrHang)
{
    QByteArray binaer;
    for (int i = 0; i < 70000; ++i)
        binaer.append(static_cast<char>((i * 7919) % 256));
    skrivFil(vaeg("binaer.glo"), binaer);
    const InlaestOevning b = LaesInOevningsfil(vaeg("binaer.glo"), [] { return true; });
    EXPECT_EQ(b.status, OevningsfilStatus::Laest);
    EXPECT_LE(b.rader.size(), 1000u);

    QByteArray laang = "[Pluvo 7.0.7]\r\n";
    laang += QByteArray(2 * 1024 * 1024, 'a') + " (" + QByteArray(500 * 1024, 'b') + ")\r\nkort\r\n";
    skrivFil(vaeg("laang.glo"), laang);
    QElapsedTimer tid;
    tid.start();
    const InlaestOevning l = LaesInOevningsfil(vaeg("laang.glo"), {});
    ASSERT_EQ(l.rader.size(), 2u);
    EXPECT_EQ(l.rader[0].Ord.size(), 2 * 1024 * 1024);
    EXPECT_EQ(l.rader[0].Foerklaring.size(), 500 * 1024);
    EXPECT_LT(tid.elapsed(), 3000);

    // A sparse file far larger than any exercise is refused at once.
    QFile jaette(vaeg("jaette.glo"));
    ASSERT_TRUE(jaette.open(QIODevice::WriteOnly));
    ASSERT_TRUE(jaette.resize(qint64(4) * 1024 * 1024 * 1024));
    jaette.close();
    tid.restart();
    EXPECT_EQ(LaesInOevningsfil(vaeg("jaette.glo"), {}).status, OevningsfilStatus::KundeInteLaesas);
    EXPECT_EQ(LaesOevningsfilRader(vaeg("jaette.glo"), {}).status, OevningsfilStatus::KundeInteLaesas);
    EXPECT_LT(tid.elapsed(), 1000);
}

TEST_F(ExerciseFile, WriterStoresWindows1252WithCrLfAfterEveryLine)
{
    ASSERT_TRUE(SkrivOevningsfil(vaeg("ny.glo"), {"pris (10 €)", "öga"}).ok());
    EXPECT_EQ(lasFil(vaeg("ny.glo")), QByteArray("[Pluvo 7.0.7]\r\npris (10 \x80)\r\n\xF6ga\r\n"));
    ASSERT_TRUE(SkrivOevningsfil(vaeg("tom.glo"), {}).ok());
    EXPECT_EQ(lasFil(vaeg("tom.glo")), QByteArray("[Pluvo 7.0.7]\r\n"));
}

TEST_F(ExerciseFile, WriterRefusesWhatTheFileCannotHoldAndLeavesTheOldFile)
{
    const QString fil = vaeg("gammal.glo");
    skrivFil(fil, "[Pluvo 7.0.7]\r\nhund (dog)\r\n");
    const QByteArray foere = lasFil(fil);

    const OevningsfilSkrivning polska = SkrivOevningsfil(fil, {"hund (dog)", "łódź (båt)"});
    EXPECT_EQ(polska.fel, OevningsfilSkrivning::Fel::TeckenUtanKod);
    EXPECT_EQ(polska.tecken, QStringLiteral("ł"));
    EXPECT_EQ(polska.radIndex, 1);
    EXPECT_EQ(lasFil(fil), foere);

    const OevningsfilSkrivning brytning = SkrivOevningsfil(fil, {"a\r\nb"});
    EXPECT_EQ(brytning.fel, OevningsfilSkrivning::Fel::RadbrytningIRad);
    EXPECT_EQ(brytning.radIndex, 0);
    EXPECT_EQ(lasFil(fil), foere);
}

TEST_F(ExerciseFile, FailedWriteLeavesTheOldFileWhole)
{
    const OevningsfilSkrivning saknadMapp = SkrivOevningsfil(vaeg("saknas/ny.glo"), {"hund"});
    EXPECT_EQ(saknadMapp.fel, OevningsfilSkrivning::Fel::KundeInteSkriva);
    EXPECT_EQ(saknadMapp.hinder, HelaFiler::Skrivhinder::MappenSaknas);
    EXPECT_FALSE(QFile::exists(vaeg("saknas/ny.glo")));

    // A regular file where a folder should be.
    skrivFil(vaeg("inte-mapp"), "x");
    EXPECT_FALSE(SkrivOevningsfil(vaeg("inte-mapp/ny.glo"), {"hund"}).ok());
    EXPECT_EQ(lasFil(vaeg("inte-mapp")), QByteArray("x"));

    // A folder where the file should be.
    ASSERT_TRUE(QDir().mkpath(vaeg("mapp.glo")));
    EXPECT_FALSE(SkrivOevningsfil(vaeg("mapp.glo"), {"hund"}).ok());
}

TEST_F(ExerciseFile, FailedWriteInAReadOnlyFolderLeavesTheOldFileWhole)
{
    // Root may write anywhere, so this only shows as a user.
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    const QString skrivskyddad = vaeg("skyddad");
    QDir().mkpath(skrivskyddad);
    const QString fil = skrivskyddad + "/gammal.glo";
    skrivFil(fil, "[Pluvo 7.0.7]\r\nhund\r\n");
    const QByteArray foere = lasFil(fil);
    ASSERT_EQ(chmod(skrivskyddad.toLocal8Bit().constData(), 0555), 0);
    const OevningsfilSkrivning skyddad = SkrivOevningsfil(fil, {"katt"});
    chmod(skrivskyddad.toLocal8Bit().constData(), 0755);
    EXPECT_EQ(skyddad.fel, OevningsfilSkrivning::Fel::KundeInteSkriva);
    EXPECT_EQ(lasFil(fil), foere);
}

TEST_F(ExerciseFile, AWriteCutShortByTheDiskLeavesTheOldFileWhole)
{
    const QString fil = vaeg("gammal.glo");
    skrivFil(fil, "[Pluvo 7.0.7]\r\nhund\r\n");
    const QByteArray foere = lasFil(fil);
    OevningsfilSkrivning skrivning;
    TestSupport::medFullDisk([&] { skrivning = SkrivOevningsfil(fil, {"katt", "kanin"}); });
    EXPECT_EQ(skrivning.fel, OevningsfilSkrivning::Fel::KundeInteSkriva);
    EXPECT_EQ(lasFil(fil), foere);
}
