// The whole-card redraw: background, outline, line numbers and timing marks.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

namespace {

class MolduraDoCartao : public ::testing::Test {
protected:
    const QImage& Desenhar(int numLinhas)
    {
        DesenharCartao(superficie, cartao, numLinhas, FaceBotao);
        return superficie.Imagem();
    }

    TCartao cartao = CartaoCom({{1, 1, 0}});
    SuperficieImagem superficie;
};

}  // namespace

TEST_F(MolduraDoCartao, CartaoPadraoTemFundoForaDoContorno)
{
    const QImage& imagem = Desenhar(1);
    EXPECT_TRUE(SoCor(imagem, {0, 0, 240, 2}, FaceBotao));
    EXPECT_TRUE(SoCor(imagem, {0, 29, 240, 850}, FaceBotao));
    EXPECT_TRUE(SoCor(imagem, {225, 0, 240, 850}, FaceBotao));
    EXPECT_TRUE(SoCor(imagem, {0, 2, 10, 29}, FaceBotao));
    EXPECT_TRUE(SoCor(imagem, {22, 2, 25, 29}, FaceBotao));
    // Column -1 above and below line 1 is background too.
    EXPECT_TRUE(SoCor(imagem, {10, 2, 22, 11}, FaceBotao));
    EXPECT_TRUE(SoCor(imagem, {10, 19, 22, 29}, FaceBotao));
}

TEST_F(MolduraDoCartao, CartaoPadraoTemContornoPretoSobreBranco)
{
    const QImage& imagem = Desenhar(1);
    EXPECT_TRUE(TemMoldura(imagem, {25, 2, 225, 29}, Preto));
    EXPECT_TRUE(SoCor(imagem, {26, 3, 224, 11}, Branco));   // above line 1
    EXPECT_TRUE(SoCor(imagem, {26, 19, 224, 28}, Branco));  // below line 1
    EXPECT_TRUE(SoCor(imagem, {217, 3, 224, 28}, Branco));  // right of column 12
}

TEST_F(MolduraDoCartao, CartaoPadraoTemNumeroVermelhoEMarcaDeSincronismo)
{
    const QImage& imagem = Desenhar(1);
    EXPECT_EQ(LerTexto(imagem, {10, 11, 22, 19}, 0, TamanhoFonteNumeroLinha, Vermelho), "1");
    EXPECT_TRUE(SoCores(imagem, {10, 11, 22, 19}, FaceBotao, Vermelho));
    EXPECT_TRUE(SoCor(imagem, {25, 11, 37, 19}, Preto));
    EXPECT_TRUE(SoCor(imagem, {37, 11, 40, 19}, Branco));
    EXPECT_EQ(CorEm(imagem, 26, 10), Branco);
    EXPECT_EQ(CorEm(imagem, 26, 19), Branco);
}

TEST_F(MolduraDoCartao, CartaoPadraoTemDozeQuadriculasVermelhas)
{
    const QImage& imagem = Desenhar(1);
    for (int coluna = 1; coluna <= 12; ++coluna) {
        const Retangulo celula = RetanguloCelula(1, coluna);
        EXPECT_TRUE(TemMoldura(imagem, celula, Vermelho)) << "column " << coluna;
        EXPECT_TRUE(SoCor(imagem, Interior(celula), Branco)) << "column " << coluna;
        EXPECT_TRUE(SoCor(imagem, {celula.Direita, 11, celula.Direita + 3, 19}, Branco)) << "column " << coluna;
    }
    EXPECT_EQ(ContarCor(imagem, RetanguloSuperficie, Vermelho), 12 * 36 + ContarCor(imagem, {10, 11, 22, 19}, Vermelho));
}

TEST_F(MolduraDoCartao, NoventaLinhasVaoAteOPixel829)
{
    cartao = CartaoCom({{1, 90, 0}});
    const QImage& imagem = Desenhar(90);
    EXPECT_TRUE(TemMoldura(imagem, {25, 2, 225, 830}, Preto));
    EXPECT_TRUE(SoCor(imagem, {0, 830, 240, 850}, FaceBotao));
    EXPECT_EQ(LerTexto(imagem, {10, 812, 22, 820}, 0, TamanhoFonteNumeroLinha, Vermelho), "90");
    EXPECT_TRUE(SoCor(imagem, {25, 812, 37, 820}, Preto));
    EXPECT_TRUE(SoCor(imagem, {26, 820, 224, 829}, Branco));
    EXPECT_TRUE(TemMoldura(imagem, RetanguloCelula(90, 12), Vermelho));
}

TEST_F(MolduraDoCartao, CadaLinhaTemSeuNumeroESuaMarca)
{
    cartao = CartaoCom({{1, 90, 0}});
    const QImage& imagem = Desenhar(90);
    for (int linha = 1; linha <= 90; ++linha) {
        const Retangulo numero = RetanguloCelula(linha, ColunaNumeroLinha);
        EXPECT_EQ(LerTexto(imagem, numero, 0, TamanhoFonteNumeroLinha, Vermelho), std::to_string(linha));
        EXPECT_TRUE(SoCores(imagem, numero, FaceBotao, Vermelho)) << "line " << linha;
        EXPECT_TRUE(SoCor(imagem, RetanguloCelula(linha, ColunaSincronismo), Preto)) << "line " << linha;
        // Between two rows: background left of the card, white on it.
        EXPECT_EQ(CorEm(imagem, 15, numero.Base), FaceBotao);
        EXPECT_EQ(CorEm(imagem, 30, numero.Base), Branco);
    }
}

TEST_F(MolduraDoCartao, NumerosDeDoisAlgarismosFicamNaColunaMenosUm)
{
    cartao = CartaoCom({{1, 90, 0}});
    const QImage& imagem = Desenhar(90);
    EXPECT_TRUE(SoCor(imagem, {0, 0, 10, 850}, FaceBotao));
    EXPECT_TRUE(SoCor(imagem, {22, 0, 25, 850}, FaceBotao));
    // "88" starts at x = 10, the same point as "8".
    EXPECT_EQ(CorEm(imagem, 10, RetanguloCelula(88, -1).Topo + 2), Vermelho);
    EXPECT_EQ(CorEm(imagem, 10, RetanguloCelula(8, -1).Topo + 2), Vermelho);
}

TEST_F(MolduraDoCartao, RedesenhoApagaOQueHaviaAntes)
{
    cartao = CartaoCom({{1, 90, 3}});
    Desenhar(90);
    superficie.DefinirPincel(Verde);
    superficie.Preencher(RetanguloCelula(5, 5));
    cartao = CartaoCom({{1, 2, 0}});
    const QImage& imagem = Desenhar(2);
    EXPECT_EQ(ContarCor(imagem, RetanguloSuperficie, Verde), 0);
    EXPECT_TRUE(SoCor(imagem, {0, 38, 240, 850}, FaceBotao));
}

TEST_F(MolduraDoCartao, NaoEscreveNumLinhas)
{
    cartao.NumLinhas = 7;
    Desenhar(1);
    EXPECT_EQ(cartao.NumLinhas, 7);
}
