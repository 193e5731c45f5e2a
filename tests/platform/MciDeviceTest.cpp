#include "platform/MciDevice.h"

#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace {

// Writes `ms` milliseconds of a 440 Hz tone; false when libsndfile cannot
// write that format here.
bool skrivLjud(const QString& vaeg, int format, int frekvens, int ms)
{
    SF_INFO info{};
    info.samplerate = frekvens;
    info.channels = 1;
    info.format = format;
    SNDFILE* sf = sf_open(QFile::encodeName(vaeg).constData(), SFM_WRITE, &info);
    if (!sf)
        return false;
    int konstant = SF_BITRATE_MODE_CONSTANT;
    sf_command(sf, SFC_SET_BITRATE_MODE, &konstant, sizeof konstant);
    std::vector<short> prov(size_t(qint64(frekvens) * ms / 1000));
    for (size_t i = 0; i < prov.size(); ++i)
        prov[i] = short(8000 * std::sin(2 * M_PI * 440 * double(i) / frekvens));
    const bool ok = sf_writef_short(sf, prov.data(), sf_count_t(prov.size())) == sf_count_t(prov.size());
    sf_close(sf);
    return ok;
}

struct Svar {
    int kod;
    QString text;
};

Svar mci(const QString& kommando)
{
    Svar s{0, "oförändrat"};
    s.kod = Mci::SkickaKommando(kommando, s.text);
    return s;
}

QString q(const QString& vaeg)
{
    return '"' + vaeg + '"';
}

class MciDeviceTest : public ::testing::Test {
protected:
    QTemporaryDir mapp;
    QString fil(const QString& namn) const { return mapp.path() + "/" + namn; }

    // Opens, measures and closes; the length in ms or -1.
    qint64 laengd(const QString& vaeg)
    {
        if (mci("Open " + q(vaeg)).kod != 0)
            return -1;
        EXPECT_EQ(mci("Set " + q(vaeg) + " time format ms").kod, 0);
        const Svar s = mci("Status " + q(vaeg) + " length");
        EXPECT_EQ(mci("Close " + q(vaeg)).kod, 0);
        return s.kod == 0 ? s.text.toLongLong() : -1;
    }
};

}  // namespace

TEST_F(MciDeviceTest, LengthOfWavAuAndMp3)
{
    ASSERT_TRUE(skrivLjud(fil("ton.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1500));
    ASSERT_TRUE(skrivLjud(fil("ton.au"), SF_FORMAT_AU | SF_FORMAT_ULAW, 8000, 1234));
    EXPECT_NEAR(laengd(fil("ton.wav")), 1500, 3);
    EXPECT_NEAR(laengd(fil("ton.au")), 1234, 3);
    if (!skrivLjud(fil("ton.mp3"), SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 1000))
        GTEST_SKIP() << "libsndfile cannot write mp3 here";
    // The encoder pads the last frame; the decoded length is still close.
    EXPECT_NEAR(laengd(fil("ton.mp3")), 1000, 60);

    // Without the first frame, which carries the encoder's length tag, the
    // header's length is an estimate from the bit rate that overstates it;
    // the length is what decodes.
    const QByteArray mp3 = TestSupport::lasFil(fil("ton.mp3"));
    const int kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    const uchar b = uchar(mp3[2]);
    TestSupport::skrivFil(fil("utan.mp3"), mp3.mid(144 * kbps[b >> 4] * 1000 / 44100 + ((b >> 1) & 1)));
    SF_INFO info{};
    SNDFILE* sf = sf_open(QFile::encodeName(fil("utan.mp3")).constData(), SFM_READ, &info);
    ASSERT_TRUE(sf);
    std::vector<short> block(4096);
    qint64 avkodat = 0;
    for (sf_count_t n; (n = sf_readf_short(sf, block.data(), 4096)) > 0;)
        avkodat += n;
    sf_close(sf);
    ASSERT_GT(info.frames, avkodat);
    EXPECT_EQ(laengd(fil("utan.mp3")), avkodat * 1000 / 44100);
}

TEST_F(MciDeviceTest, ClipPlaysThenStops)
{
    const QString v = fil("klipp.wav");
    ASSERT_TRUE(skrivLjud(v, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1500));
    ASSERT_EQ(mci("Open " + q(v)).kod, 0);
    EXPECT_EQ(mci("Status " + q(v) + " mode").text, "stopped");

    QElapsedTimer t;
    t.start();
    const Svar spela = mci("Play " + q(v) + " from 200 to 700");
    ASSERT_EQ(spela.kod, 0);
    EXPECT_EQ(spela.text, "");
    EXPECT_LT(t.elapsed(), 100);  // returns at once
    EXPECT_EQ(mci("Status " + q(v) + " mode").text, "playing");
    QThread::msleep(150);
    const qint64 mitt = mci("Status " + q(v) + " position").text.toLongLong();
    EXPECT_GT(mitt, 200);
    EXPECT_LT(mitt, 700);
    while (mci("Status " + q(v) + " mode").text == "playing" && t.elapsed() < 3000)
        QThread::msleep(10);
    EXPECT_GT(t.elapsed(), 350);
    EXPECT_LT(t.elapsed(), 1200);
    EXPECT_EQ(mci("Status " + q(v) + " mode").text, "stopped");
    EXPECT_NEAR(mci("Status " + q(v) + " position").text.toLongLong(), 700, 2);

    // A new play stops the old one; Close stops it at once.
    EXPECT_EQ(mci("PLAY " + q(v)).kod, 0);
    EXPECT_EQ(mci("Status " + q(v) + " mode").text, "playing");
    EXPECT_EQ(mci("Close " + q(v)).kod, 0);
    const Svar efter = mci("Status " + q(v) + " mode");
    EXPECT_EQ(efter.kod, Mci::FelEjOeppen);
    EXPECT_EQ(efter.text, "oförändrat");
}

TEST_F(MciDeviceTest, ErrorsAndTheirTexts)
{
    const QString v = fil("ljud.wav");
    ASSERT_TRUE(skrivLjud(v, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 500));
    QString text;

    const Svar saknas = mci("Open " + q(fil("saknas.wav")));
    EXPECT_EQ(saknas.kod, Mci::FelFilSaknas);
    ASSERT_TRUE(Mci::FelText(saknas.kod, text));
    EXPECT_EQ(text, "Ljudfilen finns inte.");

    {
        QFile f(fil("text.wav"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("inget ljud här");
    }
    EXPECT_EQ(mci("Open " + q(fil("text.wav"))).kod, Mci::FelFormat);

    // A path with a double quote cannot be named in a command.
    EXPECT_EQ(mci("Open \"" + mapp.path() + "/a\"b.wav\"").kod, Mci::FelCitattecken);
    ASSERT_TRUE(Mci::FelText(Mci::FelCitattecken, text));
    EXPECT_FALSE(text.isEmpty());

    EXPECT_EQ(mci("Play " + q(v)).kod, Mci::FelEjOeppen);
    EXPECT_EQ(mci("Close " + q(v)).kod, Mci::FelEjOeppen);
    EXPECT_EQ(mci("Open " + v).kod, Mci::FelKommando);  // not quoted
    EXPECT_EQ(mci("Open " + q(v)).kod, 0);
    EXPECT_EQ(mci("Open " + q(v)).kod, Mci::FelRedanOeppen);
    EXPECT_EQ(mci("Fly " + q(v)).kod, Mci::FelKommando);
    EXPECT_EQ(mci("Status " + q(v) + " speed").kod, Mci::FelKommando);
    EXPECT_EQ(mci("Set " + q(v) + " time format frames").kod, Mci::FelKommando);
    EXPECT_EQ(mci("Play " + q(v) + " from 200 to").kod, Mci::FelKommando);
    EXPECT_EQ(mci("Play " + q(v) + " from -5 to 100").kod, Mci::FelKommando);
    EXPECT_EQ(mci("Play " + q(v) + " from 900 to 1000").kod, Mci::FelUtanfoer);
    EXPECT_EQ(mci("Play " + q(v) + " from 300 to 200").kod, Mci::FelUtanfoer);
    EXPECT_EQ(mci("Status " + q(v) + " length").text, "500");
    EXPECT_EQ(mci("Close " + q(v)).kod, 0);

    EXPECT_FALSE(Mci::FelText(9999, text));
}

TEST_F(MciDeviceTest, PathsFromWindowsFilesMayDifferInCase)
{
    QDir(mapp.path()).mkdir("Ljud");
    const QString v = fil("Ljud/Ord.wav");
    ASSERT_TRUE(skrivLjud(v, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 300));
    const QString annan = fil("LJUD/ord.WAV");
    ASSERT_EQ(mci("Open " + q(annan)).kod, 0);
    EXPECT_EQ(mci("Status " + q(annan) + " length").text, "300");
    EXPECT_EQ(mci("Close " + q(annan)).kod, 0);
}
