#include "platform/AudioOutput.h"
#include "platform/Pip.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

std::shared_ptr<const LjudStroem::Prov> tystnad(int ms, int kanaler, int frekvens)
{
    return std::make_shared<LjudStroem::Prov>(size_t(qint64(ms) * frekvens / 1000 * kanaler), int16_t(100));
}

// Waits until the stream has finished; the time it took in ms, -1 on timeout.
qint64 vaentaTillsFaerdig(const LjudStroem& s, int maxMs = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!s.faerdig()) {
        if (t.elapsed() > maxMs)
            return -1;
        QThread::msleep(5);
    }
    return t.elapsed();
}

}  // namespace

TEST(AudioOutput, PlaysInRoughlyRealTimeAndMixesStreamsTogether)
{
    ASSERT_TRUE(AudioOutput::finns());
    // Two sounds of different rates and layouts started together end
    // together: they are mixed, not played one after the other.
    auto a = AudioOutput::spela(tystnad(400, 1, 8000), 1, 8000);
    auto b = AudioOutput::spela(tystnad(400, 2, 48000), 2, 48000);
    ASSERT_TRUE(a && b);
    const qint64 tidA = vaentaTillsFaerdig(*a);
    const qint64 tidB = vaentaTillsFaerdig(*b);
    EXPECT_GT(tidA, 250);
    EXPECT_LT(tidA, 1000);
    EXPECT_LT(tidB, 300);  // already (nearly) done when a was
    EXPECT_EQ(a->positionMs(), 400);
    EXPECT_EQ(b->positionMs(), 400);
}

TEST(AudioOutput, RangeStopAndPosition)
{
    auto s = AudioOutput::spela(tystnad(2000, 1, 22050), 1, 22050, 22050 / 2, 22050);
    ASSERT_TRUE(s);
    EXPECT_GE(s->positionMs(), 500);
    QThread::msleep(150);
    EXPECT_FALSE(s->faerdig());
    const qint64 pos = s->positionMs();
    EXPECT_GT(pos, 500);
    EXPECT_LE(pos, 1000);
    s->stoppa();
    EXPECT_TRUE(s->faerdig());

    // An empty range is finished at once.
    auto tom = AudioOutput::spela(tystnad(100, 1, 8000), 1, 8000, 800, 800);
    ASSERT_TRUE(tom);
    EXPECT_TRUE(tom->faerdig());
}

TEST(AudioOutput, BeepReturnsAtOnce)
{
    QElapsedTimer t;
    t.start();
    Pip();
    Pip();
    EXPECT_LT(t.elapsed(), 50);
}
