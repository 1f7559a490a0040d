// The image surface writes whole spans and skips per-pixel checks where a cell lies on the
// picture; every operation and every kind of card must still give exactly the pixels of the
// plain pixel-by-pixel drawing.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "SuperficieImagem.h"
#include "SuperficieReferencia.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

constexpr Cor Fundo = 0x00C08040;

::testing::AssertionResult MesmosPixels(const QImage& obtida, const QImage& esperada)
{
    if (obtida == esperada)
        return ::testing::AssertionSuccess();
    for (int y = 0; y < esperada.height(); ++y)
        for (int x = 0; x < esperada.width(); ++x)
            if (obtida.pixel(x, y) != esperada.pixel(x, y))
                return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

// Both surfaces start from the same background, then take the same calls.
template <class Desenho>
void CompararComAReferencia(Desenho&& desenho)
{
    SuperficieImagem rapida;
    SuperficieReferencia referencia;
    for (Superficie* superficie : {static_cast<Superficie*>(&rapida), static_cast<Superficie*>(&referencia)}) {
        superficie->DefinirPincel(Fundo);
        superficie->Preencher(RetanguloSuperficie);
        desenho(*superficie);
    }
    EXPECT_TRUE(MesmosPixels(rapida.Imagem(), referencia.Imagem()));
}

// Inside, on each edge, partly and wholly off each side, empty, inverted and at the int limits.
const Retangulo Retangulos[] = {
    {40, 11, 52, 19},   {0, 0, 240, 850},      {0, 0, 1, 1},          {239, 849, 240, 850},
    {-5, 11, 7, 19},    {230, 11, 250, 19},    {40, -4, 52, 4},       {40, 845, 52, 853},
    {-20, -20, -1, -1}, {241, 0, 300, 850},    {30, 30, 30, 40},      {30, 40, 50, 30},
    {25, 2, 225, 900},  {INT_MIN, INT_MIN, INT_MAX, INT_MAX},         {INT_MIN, 5, -1, 9},
    {40, 11, 41, 19},   {40, 11, 52, 12},      {-100, 845, 3, 2000},
};

}  // namespace

TEST(ImagemIgualAReferencia, PreencherEMoldurar)
{
    for (const Retangulo& r : Retangulos) {
        SCOPED_TRACE(::testing::Message() << r.Esquerda << " " << r.Topo << " " << r.Direita << " " << r.Base);
        CompararComAReferencia([&](Superficie& s) {
            s.DefinirPincel(Vermelho);
            s.Preencher(r);
            s.DefinirPincel(Verde);
            s.Moldurar(r);
        });
    }
}

TEST(ImagemIgualAReferencia, DoisPlanosIgualAsDuasPinturas)
{
    for (const Retangulo& fundo : Retangulos)
        for (const Retangulo& frente : Retangulos) {
            SCOPED_TRACE(::testing::Message() << "fundo " << fundo.Esquerda << " " << fundo.Topo << " " << fundo.Direita
                                              << " " << fundo.Base << ", frente " << frente.Esquerda << " " << frente.Topo
                                              << " " << frente.Direita << " " << frente.Base);
            SuperficieImagem emUmaPassada;
            emUmaPassada.PreencherDoisPlanos(FaceBotao, fundo, Verde, frente);
            emUmaPassada.Preencher({100, 100, 101, 101});  // the brush is left at the front colour
            SuperficieReferencia emDuas;
            emDuas.DefinirPincel(FaceBotao);
            emDuas.Preencher(fundo);
            emDuas.DefinirPincel(Verde);
            emDuas.Preencher(frente);
            emDuas.Preencher({100, 100, 101, 101});
            EXPECT_TRUE(MesmosPixels(emUmaPassada.Imagem(), emDuas.Imagem()));
        }
}

TEST(ImagemIgualAReferencia, TextosRecortados)
{
    struct Caso {
        Retangulo recorte;
        int x, y;
        std::string texto;
    };
    const Caso casos[] = {
        {{40, 11, 52, 19}, 40, 11, "1"},        {{40, 11, 52, 19}, 44, 11, "A"},
        {{40, 11, 52, 19}, 40, 11, "540"},      {{40, 11, 52, 19}, 40, 11, "12345678901234567890"},
        {{40, 30, 52, 38}, 36, 28, "888"},      {{40, 30, 52, 38}, 38, 34, "E0"},
        {{40, 30, 52, 38}, 50, 30, "BCD"},      {{0, 100, 240, 108}, 0, 100, "0123456789ABCDE"},
        {{40, 11, 52, 19}, 40, 11, "F?a 9"},    {{40, 11, 52, 19}, 40, 11, ""},
        {{-6, 11, 6, 19}, -6, 11, "123"},       {{230, 845, 250, 860}, 231, 843, "77"},
        {{10, 11, 22, 19}, INT_MIN, INT_MIN, "8"}, {{10, 11, 22, 19}, INT_MAX, INT_MAX, "8"},
        {{10, 11, 22, 19}, 10, INT_MAX - 1, "8"},  {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 236, 846, "88"},
        {{40, 11, 52, 19}, 40, 16, "8"},        {{40, 11, 52, 19}, 40, 8, "8"},
    };
    for (const Caso& caso : casos)
        for (const int tamanho : {TamanhoFonteGrupo, TamanhoFonteNumeroLinha}) {
            SCOPED_TRACE(::testing::Message() << '"' << caso.texto << "\" at " << caso.x << " " << caso.y << " size "
                                              << tamanho);
            CompararComAReferencia([&](Superficie& s) {
                s.DefinirPincel(Branco);
                s.DefinirFonte(FonteCartao, tamanho, Vermelho);
                s.EscreverTexto(caso.recorte, caso.x, caso.y, caso.texto);
            });
        }
}

TEST(ImagemIgualAReferencia, CartoesDeTodosOsTipos)
{
    for (std::int32_t tipo = -1; tipo <= 11; ++tipo)
        for (const GrupoDeTeste linhas : {GrupoDeTeste{1, 1, 0}, GrupoDeTeste{3, 47, 0}, GrupoDeTeste{1, 90, 0},
                                          GrupoDeTeste{80, 120, 0}}) {
            SCOPED_TRACE(::testing::Message() << "type " << tipo << " lines " << linhas.LinhaInicial << " to "
                                              << linhas.LinhaFinal);
            // A group over an earlier one, and a mask with masked and read cells in every column.
            TCartao cartao = CartaoCom({{1, 60, 3}, {linhas.LinhaInicial, linhas.LinhaFinal, tipo}});
            for (std::size_t k = 1; k < cartao.Mascara.size(); ++k)
                cartao.Mascara[k] = (k * 7 + static_cast<std::size_t>(tipo + 1)) % 5 == 0 ? Mascarado : Lido;
            TCartao copia = cartao;
            SuperficieImagem rapida;
            SuperficieReferencia referencia;
            DesenharCartao(rapida, cartao, 90, FaceBotao);
            DesenharCartao(referencia, copia, 90, FaceBotao);
            EXPECT_TRUE(MesmosPixels(rapida.Imagem(), referencia.Imagem()));
        }
}

// The picture holds 256 colours at once: colours no pixel shows any more give their entries to new
// ones, so any number of colours drawn in turn keeps the exact pixels.
TEST(ImagemIgualAReferencia, CoresEmSequenciaAlemDaTabela)
{
    CompararComAReferencia([](Superficie& s) {
        for (Cor cor = 0; cor < SuperficieImagem::MaximoDeCores; ++cor) {
            const int k = static_cast<int>(cor % 40);
            s.DefinirPincel(cor * 0x010203);
            s.Preencher({k, 0, k + 200, 10});  // the same rows each time: earlier colours vanish
            s.DefinirFonte(FonteCartao, TamanhoFonteGrupo, cor * 0x030201);
            s.EscreverTexto({0, 20, 240, 28}, k, 20, "8A");
            s.PreencherDoisPlanos(cor * 0x020301, {0, 40, 240, 50}, cor * 0x010302, {k, 40, k + 20, 50});
        }
    });
}

// With every entry on the picture, one more colour draws in the nearest colour held.
TEST(ImagemIgualAReferencia, CorAlemDeTodasAsEntradasUsaAMaisProxima)
{
    SuperficieImagem superficie;
    for (int i = 0; i < SuperficieImagem::MaximoDeCores; ++i) {
        superficie.DefinirPincel(static_cast<Cor>(i) * 0x010101);  // greys 0..255, one pixel each
        superficie.Preencher({i % 240, i / 240, i % 240 + 1, i / 240 + 1});
    }
    superficie.DefinirPincel(0x00FF8080);
    superficie.Preencher({0, 100, 1, 101});
    EXPECT_EQ(superficie.Imagem().pixel(0, 100) & 0xFFFFFF, 0xAAAAAAU);  // grey 170 is nearest
    EXPECT_EQ(superficie.Imagem().pixel(5, 0) & 0xFFFFFF, 0x050505U);    // the greys keep their pixels
}
