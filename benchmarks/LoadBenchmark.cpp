// Speed of what a pupil waits for: loading an exercise of 1000 items and
// setting up a shuffled run of it, also when its rows are far too long to
// show. Loading should feel instant (well under 50 ms); run it with
// build/benchmarks/pluvo_benchmarks.
#include "common/ExerciseFile.h"
#include "common/ModPluvo.h"
#include "trainer/KoerLogik.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString skrivStorOevning(const QTemporaryDir& mapp)
{
    const QString vaeg = mapp.filePath("stor.glo");
    QFile fil(vaeg);
    fil.open(QIODevice::WriteOnly);
    fil.write("[Pluvo 7.0.7]\r\n");
    for (int i = 0; i < 1000; ++i)
        fil.write(QByteArray("ord") + QByteArray::number(i) + "[uttal] (f\xf6rklaring " +
                  QByteArray::number(i) + ")[\xe5\xe4\xf6]\r\n");
    return vaeg;
}

void LaddaTusenRader(benchmark::State& tillstaand)
{
    QTemporaryDir mapp;
    const QString vaeg = skrivStorOevning(mapp);
    for (auto _ : tillstaand) {
        InlaestOevning oevning = LaesInOevningsfil(vaeg, {});
        benchmark::DoNotOptimize(oevning);
    }
}
BENCHMARK(LaddaTusenRader)->Unit(benchmark::kMillisecond);

void StartaBlandadKoerning(benchmark::State& tillstaand)
{
    QTemporaryDir mapp;
    const InlaestOevning oevning = LaesInOevningsfil(skrivStorOevning(mapp), {});
    for (auto _ : tillstaand) {
        Koerlista lista = byggKoerlista(oevning.rader, 7, true);
        BlandaOrdlista(lista.rader);
        benchmark::DoNotOptimize(lista);
    }
}
BENCHMARK(StartaBlandadKoerning)->Unit(benchmark::kMicrosecond);

// A file whose lines were joined (one line of 1 MB), and one of 1000 rows of
// 1000 characters: neither row fits on the screen, and loading and setting
// up a run of them should take no longer than of ordinary rows.
void LaddaOchStartaLaangaRader(benchmark::State& tillstaand)
{
    QTemporaryDir mapp;
    const QString vaeg = mapp.filePath("lang.rtt");
    QFile fil(vaeg);
    fil.open(QIODevice::WriteOnly);
    fil.write("[Pluvo 7.0.7]\r\n");
    const int rader = int(tillstaand.range(0));
    for (int i = 0; i < rader; ++i)
        fil.write(QByteArray(int(tillstaand.range(1)), 'a') + " (b)\r\n");
    fil.close();
    for (auto _ : tillstaand) {
        const InlaestOevning oevning = LaesInOevningsfil(vaeg, {});
        Koerlista lista = byggKoerlista(oevning.rader, PluvoVisar, false);
        benchmark::DoNotOptimize(lista);
    }
}
BENCHMARK(LaddaOchStartaLaangaRader)->Args({1, 1024 * 1024})->Args({1000, 1000})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
