// Start-up of the training window against a bare Qt window (one window with
// one line of text), each made, laid out and drawn once per iteration, in
// one process: what the program's own start-up work costs beyond the least a
// Qt window costs. The ratio is the counter "kvot"; run it with
// build/benchmarks/pluvo_startbenchmark. The whole program's start, libraries
// included, is measured by the project's start-up tool (see README.md).
#include "common/ModPluvo.h"
#include "platform/FoerstaRitning.h"
#include "platform/ProgramFolder.h"
#include "trainer/FrmPluvo.h"
#include "trainer/LetterBoard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int LaengstaVaentan = 2000;  // ms for a window's first picture

double startaTraeningsfoenstret()
{
    nollstaellModPluvo();
    QElapsedTimer tid;
    tid.start();
    FrmPluvo f;
    f.Form_Load();
    vaentaTillsRitad(&f, LaengstaVaentan);
    return tid.nsecsElapsed() / 1e6;
}

double startaBartFoenster()
{
    QElapsedTimer tid;
    tid.start();
    QMainWindow f;
    f.setCentralWidget(new QLabel(QString::fromUtf8("Hej! Stava ordet: björn")));
    f.resize(480, 120);
    f.show();
    vaentaTillsRitad(&f, LaengstaVaentan);
    return tid.nsecsElapsed() / 1e6;
}

void Traeningsfoenstret(benchmark::State& tillstaand)
{
    for (auto _ : tillstaand)
        tillstaand.SetIterationTime(startaTraeningsfoenstret() / 1e3);
}
BENCHMARK(Traeningsfoenstret)->UseManualTime()->Unit(benchmark::kMillisecond);

void BartFoenster(benchmark::State& tillstaand)
{
    for (auto _ : tillstaand)
        tillstaand.SetIterationTime(startaBartFoenster() / 1e3);
}
BENCHMARK(BartFoenster)->UseManualTime()->Unit(benchmark::kMillisecond);

// Both in turn, so that both meet the same load on the machine.
void TraeningsfoenstretMotBartFoenster(benchmark::State& tillstaand)
{
    double traening = 0;
    double bart = 0;
    for (auto _ : tillstaand) {
        const double t = startaTraeningsfoenstret();
        const double b = startaBartFoenster();
        traening += t;
        bart += b;
        tillstaand.SetIterationTime((t + b) / 1e3);
    }
    tillstaand.counters["kvot"] = bart > 0 ? traening / bart : 0;
}
BENCHMARK(TraeningsfoenstretMotBartFoenster)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Headless, silent, and away from the user's own settings.
    static QTemporaryDir hem;
    const QByteArray bas = hem.path().toUtf8();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("XDG_CONFIG_HOME", bas + "/config", 1);
    setenv("XDG_DATA_HOME", bas + "/data", 1);
    QApplication app(argc, argv);
    ProgramMapp::saett(hem.path());
    FrmPluvo::utanStartbild = true;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
