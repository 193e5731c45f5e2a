#include "platform/SoundRecorder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <signal.h>

namespace {

// Alive and not a zombie (nothing may reap it where init does not).
bool lever(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray rad = stat.readAll();
    return rad.mid(rad.lastIndexOf(')') + 2, 1) != "Z";
}

void avsluta(qint64 pid)
{
    ::kill(pid_t(pid), SIGTERM);
    QElapsedTimer t;
    t.start();
    while (lever(pid) && t.elapsed() < 2000)
        QThread::msleep(10);
}

}  // namespace

TEST(Ljudinspelare, StartsOnlyOneWhileItRunsAndAnotherAfterItEnded)
{
    const QByteArray tidigare = qgetenv("PLUVO_INSPELARE");
    qputenv("PLUVO_INSPELARE", "sleep 5");

    Ljudinspelare::starta();
    const qint64 foersta = Ljudinspelare::processId();
    ASSERT_GT(foersta, 0);
    EXPECT_TRUE(lever(foersta));
    Ljudinspelare::starta();
    EXPECT_EQ(Ljudinspelare::processId(), foersta);

    avsluta(foersta);
    Ljudinspelare::starta();
    const qint64 andra = Ljudinspelare::processId();
    EXPECT_GT(andra, 0);
    EXPECT_NE(andra, foersta);
    avsluta(andra);

    // A program that cannot be started is passed over silently.
    qputenv("PLUVO_INSPELARE", "/finns/inte/inspelare");
    Ljudinspelare::starta();
    EXPECT_EQ(Ljudinspelare::processId(), andra);

    qputenv("PLUVO_INSPELARE", tidigare);
}
