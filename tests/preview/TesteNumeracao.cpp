// Item numbers run down the lines of each division, then on to the next division.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

namespace {

class Numeracao : public ::testing::Test {
protected:
    void Desenhar(std::initializer_list<GrupoDeTeste> grupos, int numLinhas)
    {
        cartao = CartaoCom(grupos);
        DesenharCartao(superficie, cartao, numLinhas, FaceBotao);
    }
    std::string Numero(int linha, int coluna) const
    {
        return LerTexto(superficie.Imagem(), RetanguloCelula(linha, coluna), DxNumero, TamanhoFonteGrupo, Vermelho);
    }

    TCartao cartao;
    SuperficieImagem superficie;
};

}  // namespace

TEST(NumeroDoItem, FormulaDaDivisao)
{
    EXPECT_EQ(NumeroDoItem(11, 11, 10, 1), 1);
    EXPECT_EQ(NumeroDoItem(20, 11, 10, 3), 30);
    // A group spanning the whole int32 range counts in 64 bits.
    EXPECT_EQ(NumeroDoItem(1, INT32_MIN, 4294967296LL, 4), 2147483650LL + 3 * 4294967296LL);
}

TEST_F(Numeracao, Tipo3NasLinhas1A45)
{
    Desenhar({{1, 45, 3}}, 45);
    EXPECT_EQ(Numero(1, 1), "1");
    EXPECT_EQ(Numero(1, 7), "46");
    EXPECT_EQ(Numero(45, 1), "45");
    EXPECT_EQ(Numero(45, 7), "90");
}

TEST_F(Numeracao, Tipo4NasLinhas11A20)
{
    Desenhar({{1, 10, 0}, {11, 20, 4}}, 20);
    EXPECT_EQ(Numero(11, 1), "1");
    EXPECT_EQ(Numero(11, 5), "11");
    EXPECT_EQ(Numero(11, 9), "21");
    EXPECT_EQ(Numero(20, 1), "10");
    EXPECT_EQ(Numero(20, 5), "20");
    EXPECT_EQ(Numero(20, 9), "30");
}

TEST_F(Numeracao, Tipo6NumaLinhaVaiDe1A6)
{
    Desenhar({{1, 1, 6}}, 1);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(Numero(1, 2 * k - 1), std::to_string(k));
        EXPECT_TRUE(TemMoldura(superficie.Imagem(), RetanguloCelula(1, 2 * k), Vermelho));
    }
}

TEST_F(Numeracao, TresAlgarismosAte540)
{
    Desenhar({{1, 90, 6}}, 90);
    EXPECT_EQ(Numero(90, 11), "540");
    EXPECT_EQ(Numero(17, 3), "107");
    const Retangulo celula = RetanguloCelula(90, 11);
    EXPECT_TRUE(SoCores(superficie.Imagem(), celula, Branco, Vermelho));
    EXPECT_TRUE(SoCor(superficie.Imagem(), {celula.Direita, celula.Topo, celula.Direita + 3, celula.Base}, Branco));
}

TEST_F(Numeracao, TiposDeUmaDivisaoNumeramAsLinhas)
{
    Desenhar({{1, 3, 1}, {4, 6, 7}, {7, 9, 8}}, 9);
    EXPECT_EQ(Numero(3, 2), "3");
    EXPECT_EQ(Numero(4, 1), "1");
    EXPECT_EQ(Numero(9, 12), "3");
}

TEST_F(Numeracao, GrupoPosteriorPintaPorCimaDoAnterior)
{
    Desenhar({{1, 3, 0}, {2, 2, 3}}, 3);
    EXPECT_EQ(Numero(2, 1), "1");
    EXPECT_FALSE(TemMoldura(superficie.Imagem(), RetanguloCelula(2, 1), Vermelho));
    EXPECT_TRUE(TemMoldura(superficie.Imagem(), RetanguloCelula(1, 1), Vermelho));
    EXPECT_TRUE(TemMoldura(superficie.Imagem(), RetanguloCelula(3, 1), Vermelho));
}
