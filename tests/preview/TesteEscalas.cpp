// The picture for a screen that scales (125 %, 150 %, 175 %, 200 %): drawn in the screen's own
// pixels, so equal cells are equal there too: the same size, the same frame, the same pixels for
// the same letter, and nothing but the card's colours.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

#include <QImage>

#include <climits>
#include <cmath>
#include <map>
#include <set>
#include <string>

namespace {

QImage Bloco(const QImage& imagem, const Retangulo& r)
{
    return imagem.copy(r.Esquerda, r.Topo, r.Direita - r.Esquerda, r.Base - r.Topo);
}

// The frame along the inside of r is e device pixels thick on every side.
bool MolduraDe(const QImage& imagem, const Retangulo& r, int e, Cor cor)
{
    for (int i = 0; i < e; ++i)
        if (!TemMoldura(imagem, {r.Esquerda + i, r.Topo + i, r.Direita - i, r.Base - i}, cor))
            return false;
    return true;
}

// ... and no thicker: the device pixels just inside it, at (x, y) on each side, are the inside's.
bool SoEspessura(const QImage& imagem, const Retangulo& r, int e, int x, int y, Cor dentro)
{
    return CorEm(imagem, r.Esquerda + e, y) == dentro && CorEm(imagem, r.Direita - 1 - e, y) == dentro &&
           CorEm(imagem, x, r.Topo + e) == dentro && CorEm(imagem, x, r.Base - 1 - e) == dentro;
}

class Escalas : public ::testing::TestWithParam<double> {
protected:
    double escala() const { return GetParam(); }
    Retangulo NaTela(const Retangulo& r) const { return RetanguloNoDispositivo(r, escala()); }
};

std::string NomeDaEscala(const ::testing::TestParamInfo<double>& info)
{
    return "Escala" + std::to_string(static_cast<int>(std::lround(info.param * 100)));
}

}  // namespace

TEST_P(Escalas, AImagemTemOsPixelsDaTela)
{
    const SuperficieImagem superficie(escala());
    const QImage& imagem = superficie.Imagem();
    EXPECT_EQ(imagem.width(), std::lround(240 * escala()));
    EXPECT_EQ(imagem.height(), std::lround(850 * escala()));
    EXPECT_EQ(imagem.devicePixelRatio(), escala());
    EXPECT_EQ(imagem.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(SoCor(imagem, NaTela(RetanguloSuperficie), Branco));
}

// Every type on all 90 lines, so each cell meets every rounding a line and a column can have.
TEST_P(Escalas, CelulasIguaisTemOsMesmosPixelsEmTodoOCartao)
{
    const int e = EspessuraDaMoldura(escala());
    // The first cell of each content over all types: a letter, a digit, a plain box, an item number.
    std::map<std::string, QImage> celulaDe;
    QImage sincronismo;
    for (const LinhaDoTipo& tipo : LinhasDosTipos) {
        SCOPED_TRACE(::testing::Message() << "type " << tipo.Tipo);
        TCartao cartao = CartaoCom({{1, 90, tipo.Tipo}});
        SuperficieImagem superficie(escala());
        DesenharCartao(superficie, cartao, 90, FaceBotao);
        const QImage& imagem = superficie.Imagem();

        // Crisp: no pixel of a colour in between.
        std::set<Cor> cores;
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                cores.insert(CorEm(imagem, x, y));
        EXPECT_EQ(cores, (std::set<Cor>{FaceBotao, Branco, Preto, Vermelho}));

        const Retangulo contorno = NaTela(RetanguloContorno(90));
        EXPECT_TRUE(MolduraDe(imagem, contorno, e, Preto));
        // Checked inside the card's top margin, left of the timing marks' rows and between columns.
        EXPECT_TRUE(SoEspessura(imagem, contorno, e, NaTela(RetanguloCelula(1, 1)).Direita,
                                NaTela(RetanguloCelula(1, 1)).Topo - 1, Branco));
        EXPECT_EQ(contorno.Esquerda, NaTela(RetanguloCelula(1, ColunaSincronismo)).Esquerda)
            << "the outline's left edge is the timing marks' left edge";

        for (int linha = 1; linha <= 90; ++linha) {
            SCOPED_TRACE(::testing::Message() << "line " << linha);
            EXPECT_EQ(LerTexto(imagem, RetanguloCelula(linha, ColunaNumeroLinha), DxNumero, TamanhoFonteNumeroLinha,
                               Vermelho, escala()),
                      std::to_string(linha));
            EXPECT_TRUE(SoCores(imagem, NaTela(RetanguloCelula(linha, ColunaNumeroLinha)), FaceBotao, Vermelho));

            const QImage marca = Bloco(imagem, NaTela(RetanguloCelula(linha, ColunaSincronismo)));
            if (sincronismo.isNull())
                sincronismo = marca;
            EXPECT_TRUE(marca == sincronismo) << "timing mark";
            EXPECT_TRUE(SoCor(marca, {0, 0, marca.width(), marca.height()}, Preto));

            const Retangulo abaixo = NaTela(RetanguloCelula(linha + 1, 1));
            int divisao = 0;
            for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                SCOPED_TRACE(::testing::Message() << "column " << coluna);
                const char esperado = tipo.Colunas[coluna - 1];
                const Retangulo celula = NaTela(RetanguloCelula(linha, coluna));
                std::string conteudo(1, esperado);
                if (esperado == '#') {
                    const std::string numero = std::to_string(NumeroDoItem(linha, 1, 90, ++divisao));
                    EXPECT_EQ(LerTexto(imagem, RetanguloCelula(linha, coluna), DxNumero, TamanhoFonteGrupo, Vermelho,
                                       escala()),
                              numero);
                    conteudo += numero;  // "#" and the number
                } else if (esperado != '-') {
                    EXPECT_TRUE(MolduraDe(imagem, celula, e, Vermelho));
                    if (esperado == '.') {
                        EXPECT_TRUE(SoCor(imagem, {celula.Esquerda + e, celula.Topo + e, celula.Direita - e, celula.Base - e},
                                          Branco));
                    }
                    if (esperado != '.') {
                        EXPECT_EQ(LerTexto(imagem, RetanguloCelula(linha, coluna), DxLetra, TamanhoFonteGrupo,
                                           Vermelho, escala()),
                                  conteudo);
                    }
                }
                const QImage bloco = Bloco(imagem, celula);
                const auto [primeira, nova] = celulaDe.try_emplace(conteudo, bloco);
                EXPECT_TRUE(nova || primeira->second == bloco) << "'" << conteudo << "' differs from the first";
                // Nothing spills into the gaps right of the cell and below it.
                const int direita = coluna < ColunasPorLinha ? NaTela(RetanguloCelula(linha, coluna + 1)).Esquerda
                                                              : celula.Direita + 1;
                EXPECT_TRUE(SoCor(imagem, {celula.Direita, celula.Topo, direita, celula.Base}, Branco));
                if (linha < 90) {
                    EXPECT_TRUE(SoCor(imagem, {celula.Esquerda, celula.Base, celula.Direita, abaixo.Topo}, Branco));
                }
            }
        }
    }
    // Equal cells are equal in size: twelve by eight picture pixels, rounded once.
    for (const auto& [conteudo, bloco] : celulaDe)
        EXPECT_EQ(bloco.size(), QSize(std::lround(12 * escala()), std::lround(8 * escala()))) << conteudo;
    EXPECT_EQ(sincronismo.size(), QSize(std::lround(12 * escala()), std::lround(8 * escala())));
}

// The mask editor paints single cells the same way: a toggled cell covers exactly the cell drawn.
TEST_P(Escalas, CelulaPintadaSozinhaCobreACelulaDesenhada)
{
    TCartao cartao = CartaoCom({{1, 90, 0}});
    SuperficieImagem superficie(escala());
    DesenharCartao(superficie, cartao, 90, FaceBotao);
    const QImage antes = superficie.Imagem().convertToFormat(QImage::Format_RGB32);
    superficie.DefinirPincel(Verde);
    superficie.Preencher(RetanguloCelula(37, 5));
    const Retangulo celula = NaTela(RetanguloCelula(37, 5));
    EXPECT_TRUE(SoCor(superficie.Imagem(), celula, Verde));
    EXPECT_EQ(ContarCor(superficie.Imagem(), NaTela(RetanguloSuperficie), Verde),
              (celula.Direita - celula.Esquerda) * (celula.Base - celula.Topo));
    superficie.DefinirPincel(Branco);
    superficie.Preencher(RetanguloCelula(37, 5));
    superficie.DefinirPincel(Vermelho);
    superficie.Moldurar(RetanguloCelula(37, 5));
    EXPECT_TRUE(superficie.Imagem().convertToFormat(QImage::Format_RGB32) == antes) << "an unmasked box is the box drawn";
}

// Rectangles and texts far off the picture, inverted or at the int limits stay clipped.
TEST_P(Escalas, ValoresExtremosFicamNaImagem)
{
    SuperficieImagem superficie(escala());
    superficie.DefinirPincel(Preto);
    superficie.Preencher({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_TRUE(SoCor(superficie.Imagem(), NaTela(RetanguloSuperficie), Preto));
    superficie.DefinirPincel(Branco);
    superficie.Preencher({30, 40, 50, 30});
    superficie.Moldurar({INT_MIN, 5, -1, 9});
    superficie.Moldurar({25, 2, 225, 900});
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({10, 11, 22, 19}, INT_MAX, INT_MIN, "888");
    superficie.EscreverTexto({230, 845, 250, 860}, 231, 843, "77");
    EXPECT_TRUE(SoCor(superficie.Imagem(), NaTela({10, 11, 22, 19}), Branco));
    EXPECT_TRUE(SoCor(superficie.Imagem(), NaTela({30, 30, 40, 40}), Preto));
    EXPECT_GT(ContarCor(superficie.Imagem(), NaTela(RetanguloSuperficie), Vermelho), 0);
}

// At 100 % the picture is the one drawn before scaling existed, even after another scale.
TEST(EscalaUm, DeVoltaAUmIgualAUmaSuperficieNova)
{
    TCartao cartao = CartaoCom({{1, 45, 3}, {46, 90, 1}});
    TCartao copia = cartao;
    SuperficieImagem nova;
    DesenharCartao(nova, cartao, 90, FaceBotao);
    SuperficieImagem mudada(1.5);
    DesenharCartao(mudada, copia, 90, FaceBotao);
    mudada.DefinirEscala(1.0);
    DesenharCartao(mudada, copia, 90, FaceBotao);
    EXPECT_EQ(mudada.Imagem().devicePixelRatio(), 1.0);
    EXPECT_TRUE(mudada.Imagem().convertToFormat(QImage::Format_RGB32) == nova.Imagem().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(SuperficieImagem::EscalaPara(0.5), 1.0);
    EXPECT_EQ(SuperficieImagem::EscalaPara(100), 8.0);
}

INSTANTIATE_TEST_SUITE_P(DaTela, Escalas, ::testing::Values(1.25, 1.5, 1.75, 2.0), NomeDaEscala);
