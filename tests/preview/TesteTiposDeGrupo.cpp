// Each of the eleven group types drawn on a group of several lines, column by column.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The group under test spans lines 3..6 after a two-line group of type 0.
constexpr int Primeira = 3;
constexpr int Ultima = 6;
constexpr int LinhasDoGrupo = Ultima - Primeira + 1;

class TiposDeGrupo : public ::testing::TestWithParam<LinhaDoTipo> {
protected:
    TiposDeGrupo()
    {
        cartao = CartaoCom({{1, 2, 0}, {Primeira, Ultima, GetParam().Tipo}});
        DesenharCartao(superficie, cartao, Ultima, FaceBotao);
    }
    const QImage& imagem() const { return superficie.Imagem(); }
    char Esperado(int coluna) const { return GetParam().Colunas[coluna - 1]; }
    // k of an item-number column: how many '#' up to and including it.
    int Divisao(int coluna) const
    {
        int k = 0;
        for (int j = 1; j <= coluna; ++j)
            k += Esperado(j) == '#';
        return k;
    }

    TCartao cartao;
    SuperficieImagem superficie;
};

std::string NomeDoTipo(const ::testing::TestParamInfo<LinhaDoTipo>& info)
{
    return "Tipo" + std::to_string(info.param.Tipo);
}

}  // namespace

TEST_P(TiposDeGrupo, CadaColunaMostraSeuTipo)
{
    for (int linha = Primeira; linha <= Ultima; ++linha) {
        for (int coluna = 1; coluna <= 12; ++coluna) {
            SCOPED_TRACE("line " + std::to_string(linha) + " column " + std::to_string(coluna));
            const Retangulo celula = RetanguloCelula(linha, coluna);
            const char esperado = Esperado(coluna);
            if (esperado == '.') {
                EXPECT_TRUE(TemMoldura(imagem(), celula, Vermelho));
                EXPECT_TRUE(SoCor(imagem(), Interior(celula), Branco));
            } else if (esperado == '-') {
                EXPECT_TRUE(SoCor(imagem(), celula, Branco));
            } else if (esperado == '#') {
                const long long numero = (linha - Primeira + 1) + (Divisao(coluna) - 1) * LinhasDoGrupo;
                EXPECT_TRUE(SoCores(imagem(), celula, Branco, Vermelho));
                EXPECT_EQ(LerTexto(imagem(), celula, DxNumero, TamanhoFonteGrupo, Vermelho), std::to_string(numero));
                EXPECT_FALSE(TemMoldura(imagem(), celula, Vermelho));
            } else {
                EXPECT_TRUE(TemMoldura(imagem(), celula, Vermelho));
                EXPECT_TRUE(SoCores(imagem(), celula, Branco, Vermelho));
                EXPECT_EQ(LerTexto(imagem(), celula, DxLetra, TamanhoFonteGrupo, Vermelho), std::string(1, esperado));
                EXPECT_TRUE(SoCor(imagem(), {celula.Esquerda + 1, celula.Topo + 1, celula.Esquerda + 4, celula.Base - 1},
                                  Branco));
            }
            // Nothing spills into the gap right of the cell.
            EXPECT_TRUE(SoCor(imagem(), {celula.Direita, celula.Topo, celula.Direita + 3, celula.Base}, Branco));
        }
        // Nor between two lines.
        EXPECT_TRUE(SoCor(imagem(), {26, RetanguloCelula(linha, 1).Base, 224, RetanguloCelula(linha, 1).Base + 1}, Branco));
    }
}

TEST_P(TiposDeGrupo, SoAsPosicoesDeRotuloViramUmNaMascara)
{
    for (int linha = Primeira; linha <= Ultima; ++linha)
        for (int coluna = 1; coluna <= 12; ++coluna) {
            const bool rotulo = Esperado(coluna) == '#' || Esperado(coluna) == '-';
            EXPECT_EQ(Celula(cartao, linha, coluna), rotulo ? Mascarado : Lido)
                << "line " << linha << " column " << coluna;
        }
}

TEST_P(TiposDeGrupo, MesmoDesenhoQueARotinaDoTipo)
{
    void (*const rotinas[])(Superficie&, TCartao&, std::int32_t, std::int32_t) = {
        Canvas_12, Canvas_10, Canvas_10, Canvas_5, Canvas_3, Canvas_2, Canvas_1,
        Canvas_10D1, Canvas_10D2, Canvas_10D1, Canvas_10D2,
    };
    TCartao outro = CartaoCom({{1, 2, 0}, {Primeira, Ultima, 99}});
    SuperficieImagem direta;
    DesenharCartao(direta, outro, Ultima, FaceBotao);
    rotinas[GetParam().Tipo](direta, outro, Primeira, Ultima);
    EXPECT_EQ(direta.Imagem(), imagem());
    EXPECT_EQ(outro.Mascara, cartao.Mascara);
}

INSTANTIATE_TEST_SUITE_P(OnzeTipos, TiposDeGrupo, ::testing::ValuesIn(LinhasDosTipos), NomeDoTipo);
