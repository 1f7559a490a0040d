// One table of refused files, opened by the window and checked by ortelo-cartao: both give the
// same reason, and the line ortelo-cartao names is the line the reason names.

#include "ArquivoCfg.h"
#include "JanelaTeste.h"
#include "Programa.h"
#include "TBitBtn.h"

#include <regex>
#include <sstream>

namespace {

// The first `ate` of the 1096 lines of a two-group card, line `n` (from 1) holding `valor`.
std::string Cartao(std::size_t ate = 1096, std::size_t n = 0, const std::string& valor = {}, const char* fim = "\r\n")
{
    std::vector<std::string> linhas{"1", "B", "1", "2", "0", "", "1", "1", "0", "1", "", "1", "1", "0", "1"};
    linhas.resize(LinhasDoArquivoCfg(2), "0");
    if (n > 0)
        linhas[n - 1] = valor;
    std::string bytes;
    for (std::size_t i = 0; i < ate; ++i)
        bytes += linhas[i] + fim;
    return bytes;
}

const struct {
    const char* Nome;
    std::string Bytes;
    int Linha;  // 0: no single line is at fault
    std::string Razao;
} Recusados[] = {
    {"vazio", "", 0, "O arquivo está vazio."},
    {"binario", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), 0,
     "O arquivo não parece um arquivo de cartão: traz bytes nulos (0x00), como um arquivo binário."},
    {"semFimDeLinha", "cartao de prova", 0,
     "O arquivo não parece um arquivo de cartão: não tem nenhuma linha terminada em CR LF."},
    {"soLf", Cartao(1096, 0, {}, "\n"), 1, "A linha 1 termina só com LF; um arquivo de cartão termina cada linha com CR LF."},
    {"fimNoMeio", Cartao(500) + "\x1A" + Cartao().substr(Cartao(500).size()), 501,
     "O byte de fim de arquivo 0x1A na linha 501 encerra o cartão antes da última linha (1096)."},
    {"fimDentroDaLinha", "1\r\nB\r\n1\x1A" + Cartao().substr(7), 3,
     "O byte de fim de arquivo 0x1A na linha 3 encerra o cartão antes da última linha."},
    {"fimNoInicio", "\x1A" + Cartao(), 1, "O byte de fim de arquivo 0x1A na linha 1 encerra o cartão antes da última linha."},
    {"digitacao", Cartao(1096, 1, "COM1"), 1, "A linha 1 não é um número inteiro."},
    {"cortadoNoInicio", Cartao(2), 2, "O arquivo termina na linha 2."},
    {"cortadoNosGrupos", Cartao(4), 4, "O arquivo termina na linha 4 de 1096."},
    {"cortadoNoFim", Cartao(1095), 1095, "O arquivo termina na linha 1095 de 1096."},
    {"formaVazia", Cartao(1096, 2, ""), 2, "A linha 2 está vazia."},
    {"linhas", Cartao(1096, 3, "91"), 3, "A linha 3 traz o número de linhas 91, fora do intervalo de 1 a 90."},
    {"grupos", Cartao(1096, 4, "0"), 4, "A linha 4 traz o número de grupos 0, fora do intervalo de 1 a 10."},
    {"gruposSoCr", Cartao(1096, 4, "11", "\r"), 4, "A linha 4 traz o número de grupos 11, fora do intervalo de 1 a 10."},
    {"inicial", Cartao(1096, 12, "91"), 12, "A linha 12 traz a linha inicial do grupo 2 91, fora do intervalo de 1 a 90."},
    {"final", Cartao(1096, 13, "-1"), 13, "A linha 13 traz a linha final do grupo 2 -1, fora do intervalo de 1 a 90."},
    {"tipo", Cartao(1096, 14, "x"), 14, "A linha 14 não é um número inteiro."},
    {"mascaraVazia", Cartao(1096, 1096, ""), 1096, "A linha 1096 está vazia."},
};

class RecusaNaJanelaENaFerramenta : public JanelaTeste {};

TEST_F(RecusaNaJanelaENaFerramenta, BothGiveTheSameReasonAndTheLineItNames)
{
    AbrirJanela();
    const TCartao antes = janela->Cartao;
    const std::regex linhaNomeada("linha (\\d+)");
    for (const auto& recusado : Recusados) {
        SCOPED_TRACE(recusado.Nome);
        const QString nome = QString(recusado.Nome) + ".cfg";
        Escrever(nome, recusado.Bytes);

        dialogos->Registro.clear();
        dialogos->ArquivosParaAbrir.push_back(Caminho(nome));
        Clicar(janela->BitAbrir);
        EXPECT_EQ(dialogos->Registro.join(" | ").toStdString(),
                  "abrir: Abrir Arquivo de Configuração | aviso: O arquivo não foi encontrado ou houve erro de "
                  "leitura do arquivo.\n" + recusado.Razao);
        EXPECT_EQ(janela->Cartao, antes);

        const std::string caminho = Caminho(nome).toStdString();
        std::ostringstream saida, erros;
        EXPECT_EQ(ExecutarCartao({"verificar", caminho}, saida, erros), SaidaErro);
        // Appended: GCC 12 warns (-Wrestrict) of ":" + a temporary.
        std::string linha;
        if (recusado.Linha > 0)
            linha.append(":").append(std::to_string(recusado.Linha));
        EXPECT_EQ(saida.str(), caminho + linha + ": erro: " + recusado.Razao + "\n");

        std::smatch nomeada;
        const int naRazao = std::regex_search(recusado.Razao, nomeada, linhaNomeada) ? std::stoi(nomeada[1]) : 0;
        EXPECT_EQ(naRazao, recusado.Linha);
    }
}

}  // namespace
