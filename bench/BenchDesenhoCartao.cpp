// Worst-case redraw: 90 lines in ten groups of the item-number-heavy types.

#include "Cartao.h"
#include "CartaoPiorCaso.h"
#include "DesenhoCartao.h"
#include "SuperficieImagem.h"

#include <benchmark/benchmark.h>

namespace {

// Counts the calls only, to separate the layout work from the pixel work.
class SuperficieNula final : public Superficie {
public:
    long long chamadas = 0;
    void DefinirPincel(Cor) override { ++chamadas; }
    void Preencher(const Retangulo&) override { ++chamadas; }
    void Moldurar(const Retangulo&) override { ++chamadas; }
    void DefinirFonte(std::string_view, int, Cor) override { ++chamadas; }
    void EscreverTexto(const Retangulo&, int, int, std::string_view) override { ++chamadas; }
};

void RedesenhoPiorCasoNaImagem(benchmark::State& estado)
{
    TCartao cartao = CartaoPiorCaso();
    SuperficieImagem superficie;
    for (auto _ : estado) {
        DesenharCartao(superficie, cartao, cartao.NumLinhas, 0xF0F0F0);
        benchmark::DoNotOptimize(superficie.Imagem().constBits());
    }
}
BENCHMARK(RedesenhoPiorCasoNaImagem)->Unit(benchmark::kMicrosecond);

// The same on a screen that scales: the argument is the scale in percent.
void RedesenhoPiorCasoNaEscala(benchmark::State& estado)
{
    TCartao cartao = CartaoPiorCaso();
    SuperficieImagem superficie(static_cast<double>(estado.range(0)) / 100);
    for (auto _ : estado) {
        DesenharCartao(superficie, cartao, cartao.NumLinhas, 0xF0F0F0);
        benchmark::DoNotOptimize(superficie.Imagem().constBits());
    }
}
BENCHMARK(RedesenhoPiorCasoNaEscala)->Arg(125)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

void RedesenhoPiorCasoSoDisposicao(benchmark::State& estado)
{
    TCartao cartao = CartaoPiorCaso();
    SuperficieNula superficie;
    for (auto _ : estado) {
        DesenharCartao(superficie, cartao, cartao.NumLinhas, 0xF0F0F0);
        benchmark::DoNotOptimize(superficie.chamadas);
    }
}
BENCHMARK(RedesenhoPiorCasoSoDisposicao)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
