// Constructing the main window offscreen, as the program does at start-up, and drawing its first
// frame: the part of the start-up that is the program's own and not the display's.

#include "TFrmConfig.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void ConstruirJanela(benchmark::State& estado)
{
    for (auto _ : estado) {
        TFrmConfig janela;
        benchmark::DoNotOptimize(janela.BitNovo);
    }
}
BENCHMARK(ConstruirJanela)->Unit(benchmark::kMillisecond);

void ConstruirEPintarJanela(benchmark::State& estado)
{
    for (auto _ : estado) {
        TFrmConfig janela;
        const QPixmap quadro = janela.grab();
        benchmark::DoNotOptimize(quadro.cacheKey());
    }
}
BENCHMARK(ConstruirEPintarJanela)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // An empty current folder: no program file and no Cfg.inf, so every window starts with the
    // first-time card whatever folder the benchmark runs from.
    QTemporaryDir pasta;
    if (!pasta.isValid() || !QDir::setCurrent(pasta.path()))
        return 1;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
