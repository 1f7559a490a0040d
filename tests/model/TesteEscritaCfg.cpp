#include "Apoio.h"
#include "ArquivoCfg.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Linhas(const std::string& bytes)
{
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    for (std::size_t fim; (fim = bytes.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
        linhas.push_back(bytes.substr(inicio, fim - inicio));
    EXPECT_EQ(inicio, bytes.size()) << "the last line must end with CR LF";
    return linhas;
}

TEST(EscritaCfg, FirstTimeCardIsTheDocumentedExample)
{
    const std::string bytes = ConteudoArquivoCfg(CartaoInicial());
    EXPECT_EQ(bytes.size(), 3272u);
    const auto linhas = Linhas(bytes);
    ASSERT_EQ(linhas.size(), 1091u);
    const std::vector<std::string> inicio{"1", "B", "1", "1", "0", "", "1", "1", "0", "1"};
    EXPECT_EQ(std::vector<std::string>(linhas.begin(), linhas.begin() + 10), inicio);
    for (std::size_t i = 10; i < linhas.size(); ++i)
        ASSERT_EQ(linhas[i], "0") << "line " << i + 1;
}

TEST(EscritaCfg, TenGroupsGiveOneThousandOneHundredThirtySixLines)
{
    TCartao cartao = CartaoInicial();
    cartao.NumGrupos = 10;
    for (int g = 1; g <= 10; ++g)
        cartao.Grupos[g] = TGrupo{"", g, g, 0, 1};
    EXPECT_EQ(Linhas(ConteudoArquivoCfg(cartao)).size(), 1136u);
    EXPECT_EQ(LinhasDoArquivoCfg(10), 1136);
}

TEST(EscritaCfg, ValuesAreWrittenAsTheyAreInDecimalAndSingleBytes)
{
    TCartao cartao = CartaoInicial();
    cartao.PortaSerial = -3;
    cartao.FormaLeitura = 'U';
    cartao.NumGrupos = 2;
    cartao.Grupos[1] = TGrupo{" Matr\xED" "cula ", 1, 5, 8, 2};
    cartao.Grupos[2] = TGrupo{"", 6, 6, 10, 0};
    cartao.Mascara[1] = Mascarado;
    cartao.Mascara[TamanhoMascara] = Mascarado;
    const auto linhas = Linhas(ConteudoArquivoCfg(cartao));

    ASSERT_EQ(linhas.size(), 1096u);
    EXPECT_EQ(linhas[0], "-3");
    EXPECT_EQ(linhas[1], "U");
    EXPECT_EQ(linhas[5], " Matr\xED" "cula ");
    EXPECT_EQ(linhas[9], "2");
    EXPECT_EQ(linhas[14], "0");
    EXPECT_EQ(linhas[15], "1");
    EXPECT_EQ(linhas.back(), "1");
}

}  // namespace
