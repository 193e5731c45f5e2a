#include "support/TestSupport.h"

#include "common/Ansi1252.h"
#include "common/ModPluvo.h"
#include "platform/ProgramFolder.h"
#include "trainer/FrmPluvo.h"
#include "trainer/TangentFaangare.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace TestSupport {

void nyStart()
{
    // A pipe or link left by a test would hold QSettings up for good, and
    // so would a lock beside the file, of any kind.
    const QFileInfo fil(SettingsStore::filnamn());
    if (fil.isSymLink() || (fil.exists() && !fil.isFile()))
        QFile::remove(fil.filePath());
    const QString laas = fil.filePath() + ".lock";
    if (!QFile::remove(laas))
        QDir().rmdir(laas);
    QSettings s(SettingsStore::filnamn(), QSettings::IniFormat);
    s.clear();
    s.sync();
    nollstaellModPluvo();
}

void skrivInstaellning(const QString& sektion, const QString& nyckel, const QString& varde)
{
    SettingsStore::SaveSetting(sektion, nyckel, varde);
}

void skrivFil(const QString& vaeg, const QByteArray& innehaall)
{
    QDir().mkpath(QFileInfo(vaeg).absolutePath());
    QFile f(vaeg);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(innehaall);
}

QByteArray lasFil(const QString& vaeg)
{
    QFile f(vaeg);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void medFullDisk(const std::function<void()>& goer)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit foerra{};
    getrlimit(RLIMIT_FSIZE, &foerra);
    rlimit liten = foerra;
    liten.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &liten);
    goer();
    setrlimit(RLIMIT_FSIZE, &foerra);
}

void iEgenProcess(const std::function<QString()>& goer)
{
    // The run starts this program anew rather than forking it: the audio
    // and speech threads would not be there in a fork.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const QString fel = goer();
            std::fputs(fel.toLocal8Bit().constData(), stderr);
            std::_Exit(fel.isEmpty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

void medVakt(int sekunder, const std::function<void()>& goer)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string namn = test ? std::string(test->test_suite_name()) + "." + test->name() : "?";
    std::mutex laas;
    std::condition_variable klar;
    bool gjort = false;
    std::thread vakt([&] {
        std::unique_lock<std::mutex> l(laas);
        if (klar.wait_for(l, std::chrono::seconds(sekunder), [&] { return gjort; }))
            return;
        std::fflush(stdout);
        std::fprintf(stderr, "%s still waits after %d s: the test fails here\n", namn.c_str(), sekunder);
        std::_Exit(EXIT_FAILURE);
    });
    goer();
    {
        const std::lock_guard<std::mutex> l(laas);
        gjort = true;
    }
    klar.notify_one();
    vakt.join();
}

QByteArray ansi(const QString& text)
{
    const AnsiKodning kodad = tillAnsi(text);
    EXPECT_TRUE(kodad.ok()) << text.toStdString();
    return kodad.bytes;
}

bool skrivWav(const QString& vaeg, int ms, int frekvens, int kanaler)
{
    SF_INFO info{};
    info.samplerate = frekvens;
    info.channels = kanaler;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sf = sf_open(QFile::encodeName(vaeg).constData(), SFM_WRITE, &info);
    if (!sf)
        return false;
    const std::vector<short> sekund(size_t(frekvens * kanaler), short(1000));
    bool ok = true;
    for (qint64 kvar = qint64(ms) * frekvens / 1000; kvar > 0 && ok; kvar -= frekvens) {
        const sf_count_t n = std::min<qint64>(kvar, frekvens);
        ok = sf_writef_short(sf, sekund.data(), n) == n;
    }
    sf_close(sf);
    return ok;
}

Uppgift rad(const QString& ord, const QString& foerklaring, const QString& ordUttal, const QString& foerklaringUttal)
{
    return Uppgift{ord, ordUttal, foerklaring, foerklaringUttal};
}

void laddaIn(const Uppgiftslista& rader, int typ)
{
    ModPluvo& m = modPluvo();
    m.OevningsOrdlista = rader;
    m.AntalOrd = int(rader.size());
    m.OevningsTyp = typ;
    m.BlandaKoersel = false;
}

MsgBoxInspelare::MsgBoxInspelare(MsgSvar s) : svar(s)
{
    saettMsgBoxHanterare([this](const MsgBoxAnrop& a) {
        anrop.push_back(a);
        return svar;
    });
}

MsgBoxInspelare::~MsgBoxInspelare()
{
    saettMsgBoxHanterare({});
}

std::unique_ptr<FrmPluvo> startaTraeningsfoenster(const QString& programMapp)
{
    ProgramMapp::saett(programMapp);
    FrmPluvo::utanStartbild = true;
    auto f = std::make_unique<FrmPluvo>();
    f->Form_Load();
    return f;
}

void tryckTecken(FrmPluvo& f, QChar tecken)
{
    // keyClicks aborts on letters like å inside Qt, so each character is
    // sent as its own key event carrying the text.
    QTest::sendKeyEvent(QTest::Press, f.picTaTangent, Qt::Key_unknown, QString(tecken), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, f.picTaTangent, Qt::Key_unknown, QString(tecken), Qt::NoModifier);
}

void tryckTangent(FrmPluvo& f, Qt::Key tangent)
{
    QTest::keyClick(f.picTaTangent, tangent);
}

void skriv(FrmPluvo& f, const QString& text)
{
    for (const QChar c : text)
        tryckTecken(f, c);
}

void tryckKod(FrmPluvo& f, int kod)
{
    f.Form_KeyPress(kod);
    f.Form_KeyUp();
}

}  // namespace TestSupport
