#include "Apoio.h"
#include "ArquivoCfg.h"
#include "ErroCartao.h"
#include "LeituraDeArquivo.h"
#include "UltimoArquivo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long PicoDeMemoriaKiB()
{
    rusage uso{};
    ::getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// The growth of the peak resident memory while `ler` runs, measured in a child process whose
// peak starts from what the test already holds.
long MemoriaDaLeituraKiB(const std::function<void()>& ler)
{
    int tubo[2];
    if (::pipe(tubo) != 0)
        return -1;
    const pid_t filho = ::fork();
    if (filho == 0) {
        const long antes = PicoDeMemoriaKiB();
        try {
            ler();
        } catch (const ErroCartao&) {
        }
        const long crescimento = PicoDeMemoriaKiB() - antes;
        (void)!::write(tubo[1], &crescimento, sizeof crescimento);
        ::_exit(0);
    }
    ::close(tubo[1]);
    long crescimento = -1;
    if (::read(tubo[0], &crescimento, sizeof crescimento) != sizeof crescimento)
        crescimento = -1;
    ::close(tubo[0]);
    ::waitpid(filho, nullptr, 0);
    return crescimento;
}

// `antes`, then `tamanho` bytes with no CR, then `depois`.
void EscreverSemCr(const std::string& caminho, const std::string& antes, std::size_t tamanho, const std::string& depois)
{
    std::ofstream saida(caminho, std::ios::binary);
    saida << antes;
    const std::string bloco(65536, 'x');
    for (std::size_t escritos = 0; escritos < tamanho; escritos += bloco.size())
        saida.write(bloco.data(), static_cast<std::streamsize>(std::min(bloco.size(), tamanho - escritos)));
    saida << depois;
}

TEST(MemoriaDaLeitura, StaysWithinTwiceTheFileAndNothingForAFileOverTheLimit)
{
    PastaTemporaria pasta;
    // The longest lines each reader keeps: a whole group name, a whole path.
    const std::size_t quase = TamanhoMaximoDeArquivo - 65536;
    const std::string nome = pasta.Caminho("nome.cfg");
    EscreverSemCr(nome, "1\r\nB\r\n1\r\n1\r\n0\r\n", quase, "\r\n1\r\n1\r\n0\r\n1\r\n");
    const std::string caminho = pasta.Caminho("Cfg.inf");
    EscreverSemCr(caminho, "", quase, "");
    const std::string grande = pasta.Caminho("grande.cfg");
    EscreverSemCr(grande, "", TamanhoMaximoDeArquivo + 1, "");

    // Code pages touched for the first time, and the sanitizers' shadow of two large blocks.
    constexpr long ConstanteKiB = 12 * 1024;
    const long arquivoKiB = static_cast<long>(TamanhoMaximoDeArquivo / 1024);
    struct Caso {
        const char* leitura;
        std::function<void()> ler;
        long limiteKiB;
    };
    TCartao cartao = CartaoInicial();
    const Caso casos[]{
        {"cfg just under the limit", [&] { LerArquivoCfg(nome, cartao); }, 2 * arquivoKiB + ConstanteKiB},
        {"Cfg.inf just under the limit", [&] { LerUltimoArquivo(caminho); }, 2 * arquivoKiB + ConstanteKiB},
        {"cfg over the limit", [&] { LerArquivoCfg(grande, cartao); }, ConstanteKiB},
    };
    for (const Caso& caso : casos) {
        const long usada = MemoriaDaLeituraKiB(caso.ler);
        EXPECT_GE(usada, 0) << caso.leitura;
        EXPECT_LE(usada, caso.limiteKiB) << caso.leitura;
    }
}

}  // namespace
