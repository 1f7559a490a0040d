// What the redraw reads from the mask and what it writes into it.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

namespace {

class MascaraNoDesenho : public ::testing::Test {
protected:
    void Desenhar(int numLinhas) { DesenharCartao(superficie, cartao, numLinhas, FaceBotao); }
    const QImage& imagem() const { return superficie.Imagem(); }

    TCartao cartao;
    SuperficieImagem superficie;
};

}  // namespace

TEST_F(MascaraNoDesenho, PosicaoMascaradaMostraCartaoBranco)
{
    cartao = CartaoCom({{1, 1, 0}, {2, 2, 3}, {3, 3, 1}});
    Celula(cartao, 1, 4) = Mascarado;
    Celula(cartao, 2, 3) = Mascarado;
    Celula(cartao, 2, 9) = '2';  // anything but "0" hides the position
    Celula(cartao, 3, 12) = Mascarado;
    Desenhar(3);
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(1, 4), Branco));
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(2, 3), Branco));
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(2, 9), Branco));
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(3, 12), Branco));
    EXPECT_TRUE(TemMoldura(imagem(), RetanguloCelula(1, 5), Vermelho));
    EXPECT_TRUE(TemMoldura(imagem(), RetanguloCelula(2, 4), Vermelho));
}

TEST_F(MascaraNoDesenho, RotulosViramUmEMarcasFicamComoEstavam)
{
    cartao = CartaoCom({{1, 2, 3}});
    Celula(cartao, 1, 2) = Mascarado;
    Celula(cartao, 2, 5) = '7';
    Desenhar(2);
    for (int linha = 1; linha <= 2; ++linha) {
        EXPECT_EQ(Celula(cartao, linha, 1), Mascarado);
        EXPECT_EQ(Celula(cartao, linha, 7), Mascarado);
    }
    EXPECT_EQ(Celula(cartao, 1, 2), Mascarado);
    EXPECT_EQ(Celula(cartao, 2, 5), '7');
    EXPECT_EQ(Celula(cartao, 1, 3), Lido);
    EXPECT_EQ(Celula(cartao, 2, 12), Lido);
}

TEST_F(MascaraNoDesenho, NumeroDeItemEDesenhadoMesmoMascarado)
{
    cartao = CartaoCom({{1, 1, 4}});
    Celula(cartao, 1, 5) = Mascarado;
    Desenhar(1);
    EXPECT_EQ(LerTexto(imagem(), RetanguloCelula(1, 5), DxNumero, TamanhoFonteGrupo, Vermelho), "2");
}

TEST_F(MascaraNoDesenho, ColunaEmBrancoNuncaEDesenhadaEViraUm)
{
    cartao = CartaoCom({{1, 1, 1}, {2, 2, 8}, {3, 3, 10}, {4, 4, 9}});
    Desenhar(4);
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(1, 1), Branco));
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(2, 11), Branco));
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(3, 11), Branco));
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(4, 12), Branco));
    EXPECT_EQ(Celula(cartao, 1, 1), Mascarado);
    EXPECT_EQ(Celula(cartao, 2, 11), Mascarado);
    EXPECT_EQ(Celula(cartao, 3, 11), Mascarado);
    EXPECT_EQ(Celula(cartao, 4, 12), Mascarado);
}

TEST_F(MascaraNoDesenho, Tipo0NuncaEscreveNaMascara)
{
    cartao = CartaoCom({{1, 3, 0}});
    const char valores[] = {'0', '1', '2', 'x', '\x1A'};
    for (int i = 1; i <= TamanhoMascara; ++i)
        cartao.Mascara[static_cast<std::size_t>(i)] = valores[i % 5];
    const auto antes = cartao.Mascara;
    Desenhar(3);
    EXPECT_EQ(cartao.Mascara, antes);
}

TEST_F(MascaraNoDesenho, GrupoTodoMascaradoMostraSoOsNumeros)
{
    cartao = CartaoCom({{1, 1, 0}, {2, 3, 5}});
    DefinirMascaraDasLinhas(cartao, 1, 3, Mascarado);
    cartao.Grupos[2].Habilitado = 0;  // drawn like any other group
    Desenhar(3);
    EXPECT_TRUE(SoCor(imagem(), {40, 11, 217, 19}, Branco));
    EXPECT_EQ(LerTexto(imagem(), RetanguloCelula(3, 10), DxNumero, TamanhoFonteGrupo, Vermelho), "8");
    EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(3, 11), Branco));
}

TEST_F(MascaraNoDesenho, TrocaDoTipo3ParaTipo0ComMascaraLimpaMostraTodasAsQuadriculas)
{
    cartao = CartaoCom({{1, 1, 3}});
    Desenhar(1);
    cartao.Grupos[1].Tipo = 0;
    DefinirMascaraDasLinhas(cartao, 1, 1, Lido);
    Desenhar(1);
    EXPECT_TRUE(TemMoldura(imagem(), RetanguloCelula(1, 1), Vermelho));
    EXPECT_TRUE(TemMoldura(imagem(), RetanguloCelula(1, 7), Vermelho));
}

TEST_F(MascaraNoDesenho, GrupoForaDoIntervaloDeTiposNaoDesenhaNemEscreve)
{
    for (const std::int32_t tipo : {-1, 11, INT32_MIN, INT32_MAX}) {
        cartao = CartaoCom({{1, 2, tipo}});
        const auto antes = cartao.Mascara;
        Desenhar(2);
        EXPECT_EQ(cartao.Mascara, antes) << "type " << tipo;
        EXPECT_TRUE(SoCor(imagem(), {40, 11, 217, 28}, Branco)) << "type " << tipo;
        EXPECT_TRUE(SoCor(imagem(), RetanguloCelula(2, 0), Preto)) << "type " << tipo;
    }
}

TEST_F(MascaraNoDesenho, GrupoInvertidoNaoDesenhaNemEscreve)
{
    cartao = CartaoCom({{1, 2, 0}, {2, 1, 3}});
    const auto antes = cartao.Mascara;
    Desenhar(2);
    EXPECT_EQ(cartao.Mascara, antes);
    EXPECT_TRUE(TemMoldura(imagem(), RetanguloCelula(1, 1), Vermelho));
}
