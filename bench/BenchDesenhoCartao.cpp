// Worst-case redraw: 90 lines in ten groups of the item-number-heavy types.

#include "Cartao.h"
#include "DesenhoCartao.h"
#include "SuperficieImagem.h"

#include <benchmark/benchmark.h>

namespace {

TCartao CartaoPiorCaso()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    constexpr int tipos[] = {3, 4, 5, 6};
    cartao.NumGrupos = MaxGrupos;
    for (int g = 1; g <= MaxGrupos; ++g) {
        TGrupo& grupo = cartao.Grupos[static_cast<std::size_t>(g)];
        grupo.LinhaInicial = 9 * (g - 1) + 1;
        grupo.LinhaFinal = 9 * g;
        grupo.Tipo = tipos[(g - 1) % 4];
    }
    cartao.NumLinhas = MaxLinhas;
    return cartao;
}

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
