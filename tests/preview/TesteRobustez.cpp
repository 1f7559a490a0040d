// Whatever the card holds, the redraw stays inside the group table, the mask, lines 1..90
// and the picture, and never overflows.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieGravadora.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr char Sentinela = 'S';

// A card with sentinels in the two mask elements that belong to no cell.
TCartao CartaoVigiado(std::initializer_list<GrupoDeTeste> grupos)
{
    TCartao cartao = CartaoCom(grupos);
    cartao.Mascara[0] = Sentinela;
    cartao.Mascara[TamanhoMascara] = Sentinela;
    return cartao;
}

void EsperarSentinelasIntactas(const TCartao& cartao)
{
    EXPECT_EQ(cartao.Mascara[0], Sentinela);
    EXPECT_EQ(cartao.Mascara[TamanhoMascara], Sentinela);
}

// No cell, number or timing mark is drawn below line 90.
void EsperarNadaAbaixoDaLinha90(const SuperficieGravadora& superficie)
{
    // The first three rectangles are the background and the outline.
    for (std::size_t i = 3; i < superficie.Retangulos.size(); ++i)
        EXPECT_LE(superficie.Retangulos[i].Topo, RetanguloCelula(MaxLinhas, 0).Topo) << superficie.Chamadas[i];
}

}  // namespace

TEST(RobustezDoNumeroDeLinhas, ZeroDesenhaSoOContornoVazio)
{
    TCartao cartao = CartaoVigiado({{1, 1, 99}});
    SuperficieImagem superficie;
    DesenharCartao(superficie, cartao, 0, FaceBotao);
    EXPECT_TRUE(TemMoldura(superficie.Imagem(), {25, 2, 225, 20}, Preto));
    EXPECT_TRUE(SoCor(superficie.Imagem(), {26, 3, 224, 19}, Branco));
    EXPECT_TRUE(SoCor(superficie.Imagem(), {0, 0, 25, 850}, FaceBotao));
    EXPECT_TRUE(SoCor(superficie.Imagem(), {0, 20, 240, 850}, FaceBotao));
}

TEST(RobustezDoNumeroDeLinhas, NegativoDesenhaSoOFundo)
{
    TCartao cartao = CartaoVigiado({{1, 1, 99}});
    SuperficieImagem superficie;
    for (const int numLinhas : {-5, INT_MIN}) {
        DesenharCartao(superficie, cartao, numLinhas, FaceBotao);
        EXPECT_TRUE(SoCor(superficie.Imagem(), RetanguloSuperficie, FaceBotao)) << numLinhas;
    }
}

TEST(RobustezDoNumeroDeLinhas, AlemDe90ParaNaLinha90)
{
    for (const int numLinhas : {91, 2000000000, INT_MAX}) {
        TCartao cartao = CartaoVigiado({{1, 90, 0}});
        SuperficieGravadora gravadora;
        DesenharCartao(gravadora, cartao, numLinhas, FaceBotao);
        EsperarNadaAbaixoDaLinha90(gravadora);

        SuperficieImagem superficie;
        DesenharCartao(superficie, cartao, numLinhas, FaceBotao);
        // No timing mark on line 91; x = 25 is the outline's left edge.
        EXPECT_TRUE(SoCor(superficie.Imagem(), {26, 821, 37, 829}, Branco)) << numLinhas;
        EXPECT_TRUE(SoCor(superficie.Imagem(), RetanguloCelula(91, -1), FaceBotao)) << numLinhas;
        EsperarSentinelasIntactas(cartao);
        if (numLinhas == 91) {
            EXPECT_TRUE(TemMoldura(superficie.Imagem(), {25, 2, 225, 839}, Preto));
        } else {
            // The outline runs off the picture: its sides reach the last row, its bottom edge is not seen.
            EXPECT_EQ(CorEm(superficie.Imagem(), 25, 849), Preto) << numLinhas;
            EXPECT_TRUE(SoCor(superficie.Imagem(), {26, 830, 224, 850}, Branco)) << numLinhas;
        }
    }
}

TEST(RobustezDosGrupos, ContagemForaDe1A10FicaNaTabela)
{
    for (const std::int32_t numGrupos : {11, 1000, INT_MAX}) {
        TCartao cartao = CartaoVigiado({{1, 1, 6}, {2, 2, 6}, {3, 3, 6}, {4, 4, 6}, {5, 5, 6},
                                        {6, 6, 6}, {7, 7, 6}, {8, 8, 6}, {9, 9, 6}, {10, 10, 6}});
        cartao.NumGrupos = numGrupos;
        SuperficieImagem superficie;
        DesenharCartao(superficie, cartao, 10, FaceBotao);
        EXPECT_EQ(LerTexto(superficie.Imagem(), RetanguloCelula(10, 11), DxNumero, TamanhoFonteGrupo, Vermelho), "6");
        EsperarSentinelasIntactas(cartao);
    }
    for (const std::int32_t numGrupos : {0, -1, INT_MIN}) {
        TCartao cartao = CartaoVigiado({{1, 1, 6}});
        cartao.NumGrupos = numGrupos;
        const auto antes = cartao.Mascara;
        SuperficieImagem superficie;
        DesenharCartao(superficie, cartao, 1, FaceBotao);
        EXPECT_EQ(cartao.Mascara, antes);
        EXPECT_TRUE(SoCor(superficie.Imagem(), {40, 11, 217, 19}, Branco));
    }
}

TEST(RobustezDosGrupos, LinhasForaDaGradeSoDesenhamAParteNaGrade)
{
    TCartao cartao = CartaoVigiado({{-10, 5, 3}, {85, 200, 6}});
    SuperficieImagem superficie;
    DesenharCartao(superficie, cartao, 90, FaceBotao);
    const QImage& imagem = superficie.Imagem();
    // Numbering still counts from the group's own first line: n = 16.
    EXPECT_EQ(LerTexto(imagem, RetanguloCelula(1, 1), DxNumero, TamanhoFonteGrupo, Vermelho), "12");
    EXPECT_EQ(LerTexto(imagem, RetanguloCelula(1, 7), DxNumero, TamanhoFonteGrupo, Vermelho), "28");
    EXPECT_TRUE(SoCor(imagem, RetanguloCelula(6, 1), Branco));
    EXPECT_EQ(LerTexto(imagem, RetanguloCelula(90, 1), DxNumero, TamanhoFonteGrupo, Vermelho), "6");
    // Above line 1 the card stays blank.
    EXPECT_TRUE(SoCor(imagem, {26, 3, 224, 11}, Branco));
    EsperarSentinelasIntactas(cartao);
}

TEST(RobustezDosGrupos, GrupoDeTodoOIntervaloInt32NaoTransborda)
{
    TCartao cartao = CartaoVigiado({{INT32_MIN, INT32_MAX, 5}});
    SuperficieImagem superficie;
    DesenharCartao(superficie, cartao, INT_MAX, FaceBotao);
    const QImage& imagem = superficie.Imagem();
    // 2147483650 and beyond: only the first three digits fit, clipped to the cell.
    EXPECT_EQ(LerTexto(imagem, RetanguloCelula(1, 1), DxNumero, TamanhoFonteGrupo, Vermelho), "214");
    EXPECT_EQ(LerTexto(imagem, RetanguloCelula(1, 10), DxNumero, TamanhoFonteGrupo, Vermelho), "150");
    for (int linha = 1; linha <= 90; ++linha) {
        const Retangulo celula = RetanguloCelula(linha, 1);
        EXPECT_TRUE(SoCor(imagem, {celula.Direita, celula.Topo, celula.Direita + 3, celula.Base}, Branco));
    }
    EsperarSentinelasIntactas(cartao);
}

TEST(RobustezDosGrupos, GruposIntocaveisNaoDesenhamNada)
{
    TCartao cartao = CartaoVigiado({{91, INT32_MAX, 3}, {INT32_MIN, 0, 4}, {INT32_MAX, INT32_MAX, 6}, {5, INT32_MIN, 5}});
    const auto antes = cartao.Mascara;
    SuperficieGravadora superficie;
    DesenharCartao(superficie, cartao, 90, FaceBotao);
    EXPECT_EQ(cartao.Mascara, antes);
    EXPECT_EQ(superficie.Chamadas.size(), 6U + 90 * 5);
}

TEST(RobustezDosGrupos, PiorCasoTemUmNumeroLimitadoDeChamadas)
{
    TCartao cartao = CartaoVigiado({});
    for (int g = 1; g <= MaxGrupos; ++g)
        cartao.Grupos[static_cast<std::size_t>(g)] = {"", INT32_MIN, INT32_MAX, 3 + g % 4, 1};
    cartao.NumGrupos = INT32_MAX;
    SuperficieGravadora superficie;  // throws after 100000 calls
    ASSERT_NO_THROW(DesenharCartao(superficie, cartao, INT_MAX, FaceBotao));
    EsperarNadaAbaixoDaLinha90(superficie);
    EsperarSentinelasIntactas(cartao);
}
