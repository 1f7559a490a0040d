// Constructing the main window offscreen, as the program does at start-up, and drawing its first
// frame: the part of the start-up that is the program's own and not the display's.

#include "TFrmConfig.h"

#include "PrincipalQt.h"

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
    // An empty current folder: no program file and no Cfg.inf, so every window starts with the
    // first-time card whatever folder the benchmark runs from.
    QTemporaryDir pasta;
    return RodarComQApplication(argc, argv, [&] { return pasta.isValid() && QDir::setCurrent(pasta.path()); });
}
