#include "support/Skrivbord.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace Skrivbord {
namespace {
const char* const Inifraan = "PLUVO_SKRIVBORD";
const char* const MedHanterare = "PLUVO_FOENSTERHANTERARE";
}  // namespace

bool inifraan()
{
    return qEnvironmentVariableIsSet(Inifraan);
}

bool medHanterare()
{
    return qEnvironmentVariableIsSet(MedHanterare);
}

QString saknas()
{
    QStringList fattas;
    for (const char* program : {"xvfb-run", "openbox", "xdotool", "xprop", "xset", "xmessage"})
        if (QStandardPaths::findExecutable(program).isEmpty())
            fattas << program;
    return fattas.join(", ");
}

::testing::AssertionResult koer(const QString& filter, QSize skaerm, bool medHanterare)
{
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.insert(Inifraan, "1");
    miljoe.insert("QT_QPA_PLATFORM", "xcb");
    if (medHanterare)
        miljoe.insert(MedHanterare, "1");
    QProcess skrivbord;
    skrivbord.setProcessEnvironment(miljoe);
    skrivbord.setProcessChannelMode(QProcess::MergedChannels);
    // The windows open once the manager has marked the root window as its
    // own (or after ten seconds without it) and has had a second more to
    // start managing windows.
    const QString skript = !medHanterare ? QStringLiteral("\"$@\"")
                                         : "openbox >/dev/null 2>&1 & i=0; "
                                           "while [ $i -lt 100 ] && ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null "
                                           "| grep -q 'window id'; do sleep 0.1; i=$((i+1)); done; sleep 1; "
                                           "\"$@\"; rc=$?; kill $! 2>/dev/null; exit $rc";
    const QString storlek = QString("-screen 0 %1x%2x24").arg(skaerm.width()).arg(skaerm.height());
    // Test programs running side by side look for a free X display from
    // different numbers, so they do not race for the same one.
    const QString display = QString::number(100 + QCoreApplication::applicationPid() % 800);
    skrivbord.start(QStandardPaths::findExecutable("xvfb-run"),
                    {"-a", "-n", display, "-s", storlek, "sh", "-c", skript, "sh", QCoreApplication::applicationFilePath(),
                     "--gtest_filter=" + filter});
    const bool klar = skrivbord.waitForFinished(120000);
    if (!klar)
        skrivbord.kill();
    const QString utdata = QString::fromLocal8Bit(skrivbord.readAll());
    if (klar && skrivbord.exitCode() == 0 && utdata.contains("[  PASSED  ]") && !utdata.contains("[  SKIPPED ]"))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (klar ? "" : "did not finish\n") << utdata.toStdString();
}

}  // namespace Skrivbord
