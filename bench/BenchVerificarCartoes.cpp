// ortelo-cartao verificar over 1,000 files in one call, the size of a team's whole archive.
// The whole call must stay well under a second; each iteration is one such call.

#include "ArquivoCfg.h"
#include "Cartao.h"
#include "Programa.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

constexpr int Arquivos = 1000;

// Ten groups over 90 lines, with hand edits spread over the files so every check finds work.
TCartao Cartao(int n)
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    cartao.NumGrupos = MaxGrupos;
    cartao.NumLinhas = MaxLinhas - n % 2;
    for (int g = 1; g <= MaxGrupos; ++g)
        cartao.Grupos[static_cast<std::size_t>(g)] = TGrupo{"Grupo", 9 * g - 8, 9 * g, (g + n) % 11, 1};
    for (int k = 1 + n % 7; k <= CelulasDaGrade; k += 5)
        cartao.Mascara[static_cast<std::size_t>(k)] = Mascarado;
    return cartao;
}

void VerificarMilArquivos(benchmark::State& estado)
{
    QTemporaryDir pasta;
    std::vector<std::string> argumentos{"verificar"};
    for (int n = 0; n < Arquivos; ++n) {
        argumentos.push_back(pasta.filePath(QString::number(n) + ".cfg").toStdString());
        GravarArquivoCfg(argumentos.back(), Cartao(n));
    }
    for (auto _ : estado) {
        std::ostringstream saida, erros;
        benchmark::DoNotOptimize(ExecutarCartao(argumentos, saida, erros));
    }
    estado.SetItemsProcessed(estado.iterations() * Arquivos);
}
BENCHMARK(VerificarMilArquivos)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
