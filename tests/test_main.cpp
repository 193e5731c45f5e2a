// Runs every test headless: offscreen windows, SDL's dummy audio driver and
// temporary settings, data and runtime folders, so no test touches the
// user's own files.
#include "platform/Skaermgraens.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    static QTemporaryDir hem;
    const QByteArray bas = hem.path().toUtf8();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("XDG_CONFIG_HOME", bas + "/config", 1);
    setenv("XDG_DATA_HOME", bas + "/data", 1);
    setenv("XDG_RUNTIME_DIR", bas + "/runtime", 1);
    setenv("PLUVO_INSPELARE", "true", 0);
    QDir().mkpath(hem.path() + "/runtime");
    QFile::setPermissions(hem.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);

    QApplication app(argc, argv);
    // Every window is placed on the screen as in the program.
    Skaermgraens::haallFoenstrenPaaSkaermen();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
