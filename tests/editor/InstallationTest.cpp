// Pluvo installed for every account: the launcher in the desktop's menu
// starts the installed program, and an account that may not write the
// installed folder keeps its exercises in a folder of its own. That
// account's part runs as this test program once more, as that account.
#include "RedigerarFixtur.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using TestSupport::lasFil;

namespace {

// Set for the inner run: the installed program folder.
const char* const InstalleradMapp = "PLUVO_INSTALLERAD_MAPP";

const QString Mapp = QStringLiteral("/usr/local/lib/pluvo/");

QString utdata(QProcess& p)
{
    return QString::fromLocal8Bit(p.readAll());
}

// Installs this build below `rot` under the prefix /usr/local, as
// "cmake --install" does, and gives the launcher's keys. The build's install
// script runs from `rot`, where it also writes its list of installed files:
// the build folder's list may belong to whoever installed Pluvo for real.
QMap<QString, QString> installera(const QString& rot)
{
    QProcess cmake;
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.insert("DESTDIR", rot);
    cmake.setProcessEnvironment(miljoe);
    cmake.setWorkingDirectory(rot);
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(PLUVO_CMAKE, {"-DCMAKE_INSTALL_PREFIX=/usr/local", "-P", PLUVO_BYGGMAPP "/cmake_install.cmake"});
    const bool klar = cmake.waitForFinished(120000);
    EXPECT_TRUE(klar && cmake.exitCode() == 0) << utdata(cmake).toStdString();
    QMap<QString, QString> nycklar;
    for (const QByteArray& rad : lasFil(rot + "/usr/local/share/applications/pluvo.desktop").split('\n'))
        if (const qsizetype lika = rad.indexOf('='); lika > 0)
            nycklar[QString::fromUtf8(rad.left(lika))] = QString::fromUtf8(rad.mid(lika + 1));
    return nycklar;
}

}  // namespace

TEST(Installation, TheLauncherStartsTheInstalledProgramAndWithoutAScreenItSaysSo)
{
    QTemporaryDir rot;
    const QMap<QString, QString> startare = installera(rot.path());
    EXPECT_EQ(startare.value("Name"), "Pluvo");
    EXPECT_TRUE(startare.value("Categories").split(';').contains("Education"));
    EXPECT_TRUE(QFileInfo(rot.path() + startare.value("Icon")).isFile());
    EXPECT_EQ(startare.value("Exec"), '"' + Mapp + "pluvo\"");
    const QString program = rot.path() + Mapp + "pluvo";
    ASSERT_TRUE(QFileInfo(program).isExecutable());

    // Started, it stores its own folder as the exercise folder of a first
    // start and keeps running.
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.insert("XDG_CONFIG_HOME", rot.filePath("config"));
    miljoe.insert("XDG_DATA_HOME", rot.filePath("data"));
    QProcess pluvo;
    pluvo.setProcessEnvironment(miljoe);
    pluvo.start(program);
    const QString ini = rot.filePath("config/MOLVI Pluvo/Pluvo.ini");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QSettings(ini, QSettings::IniFormat).value("Filkatalog/Path").toString() == rot.path() + Mapp; },
        30000));
    EXPECT_EQ(pluvo.state(), QProcess::Running) << utdata(pluvo).toStdString();
    pluvo.kill();
    pluvo.waitForFinished();

    // With no screen it says so in one line of its own.
    for (const char* namn : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        miljoe.remove(namn);
    pluvo.setProcessEnvironment(miljoe);
    pluvo.start(program);
    ASSERT_TRUE(pluvo.waitForFinished(30000));
    EXPECT_EQ(pluvo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(pluvo.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(pluvo.readAllStandardError()),
              QString::fromUtf8("Pluvo kan inte starta: det finns ingen grafisk skärm att visa programmet på.\n"));
}

TEST_F(RedigerarTest, AnAccountThatMayNotWriteTheInstalledFolderKeepsItsExercisesInAFolderOfItsOwn)
{
    const QString installerad = qEnvironmentVariable(InstalleradMapp);
    if (installerad.isEmpty()) {
        // Installs, and runs this test again as an account that may not
        // write the installed folder: root hands it to "nobody", any other
        // account takes its own write access away.
        QTemporaryDir rot;
        installera(rot.path());
        const QString mapp = rot.path() + Mapp;
        ASSERT_TRUE(QFileInfo(mapp + "pluvo").isExecutable());
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert(InstalleradMapp, mapp);
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString filter = QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name());
        QStringList kommando{QCoreApplication::applicationFilePath(), filter};
        const QFileDevice::Permissions oeppen = QFile::permissions(mapp);
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            const QString setpriv = QStandardPaths::findExecutable("setpriv");
            if (!nobody || setpriv.isEmpty())
                GTEST_SKIP() << "running as another account than root needs the account nobody and setpriv";
            // nobody reaches a copy of this program and a home of its own.
            const QString hem = rot.filePath("hem");
            ASSERT_TRUE(QDir().mkpath(hem));
            ASSERT_EQ(chown(QFile::encodeName(hem).constData(), nobody->pw_uid, nobody->pw_gid), 0);
            QFile::setPermissions(rot.path(), oeppen);
            kommando[0] = rot.filePath("test");
            ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), kommando[0]));
            kommando = QStringList{setpriv, "--reuid=" + QString::number(nobody->pw_uid),
                                   "--regid=" + QString::number(nobody->pw_gid), "--clear-groups"} +
                       kommando;
            miljoe.insert("HOME", hem);
            miljoe.insert("TMPDIR", hem);
        } else {
            QFile::setPermissions(mapp, oeppen & ~(QFile::WriteOwner | QFile::WriteUser));
        }
        QProcess inre;
        inre.setProcessEnvironment(miljoe);
        inre.setProcessChannelMode(QProcess::MergedChannels);
        inre.start(kommando.takeFirst(), kommando);
        const bool klar = inre.waitForFinished(120000);
        QFile::setPermissions(mapp, oeppen);
        const QString ut = utdata(inre);
        EXPECT_TRUE(klar && inre.exitCode() == 0 && ut.contains("[  PASSED  ]") && !ut.contains("[  SKIPPED ]"))
            << ut.toStdString();
        return;
    }

    // The first start takes a folder of this account's own, stored as the
    // exercise folder, with every exercise of the installed folder in it;
    // one the account already has there stays as it is.
    ASSERT_FALSE(QFileInfo(installerad).isWritable());
    const QString vaentad = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QString::fromUtf8("/MOLVI Pluvo/Övningar/");
    const QByteArray kontots = "[Pluvo 7.0.7]\r\nelva\r\n";
    TestSupport::skrivFil(vaentad + "Tal.tst", kontots);
    auto traening = TestSupport::startaTraeningsfoenster(installerad);
    const QString egen = modPluvo().OevningsMapp;
    EXPECT_EQ(egen, vaentad);
    EXPECT_EQ(SettingsStore::las("Filkatalog", "Path"), egen);
    EXPECT_TRUE(QFileInfo(egen).isWritable());
    const QStringList oevningar =
        QDir(installerad).entryList({"*.rtt", "*.ord", "*.glo", "*.gls", "*.tst"}, QDir::Files);
    EXPECT_GE(oevningar.size(), 10);
    for (const QString& namn : oevningar)
        EXPECT_EQ(lasFil(egen + namn), namn == "Tal.tst" ? kontots : lasFil(installerad + namn)) << namn.toStdString();

    // The editor opens there, and what it saves there reads back as saved.
    starta("glo");
    oeppna(egen + "Djur.glo");
    ASSERT_EQ(oeppnaAnrop.size(), 1u);
    EXPECT_EQ(oeppnaAnrop[0].startmapp, egen);
    markera(0);
    klicka("comRedigera3");
    vaelj({"&Arkiv", "&Spara"});
    QList<QByteArray> rader = lasFil(installerad + "Djur.glo").split('\n');
    rader.swapItemsAt(1, 2);
    EXPECT_EQ(lasFil(egen + "Djur.glo"), rader.join('\n'));

    // Sounds named from the program folder are still found there.
    SpelaLjud("\\ljud\\hund.wav", false);
    StaengLjud();
    EXPECT_TRUE(meddelanden.empty()) << meddelanden.front().text.toStdString();
}
