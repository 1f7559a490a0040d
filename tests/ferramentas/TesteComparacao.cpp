// comparar: one case per kind of field that can differ between two cards.

#include "CartoesDeTeste.h"
#include "Comparacao.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Caso {
    const char* Nome;
    std::function<void(TCartao&)> Alterar;
    Diferenca Esperada;
};

using C = CampoComparado;

const Caso Casos[] = {
    {"porta", [](TCartao& c) { c.PortaSerial = 12; }, {C::PortaSerial, 0, 0, 0, "COM 3", "12 (porta desconhecida)"}},
    {"leitura", [](TCartao& c) { c.FormaLeitura = 'U'; }, {C::FormaLeitura, 0, 0, 0, "\"B\"", "\"U\""}},
    {"linhas", [](TCartao& c) { c.NumLinhas = 7; }, {C::NumLinhas, 0, 0, 0, "6", "7"}},
    {"digito", [](TCartao& c) { c.DigitoVerificador = 3; },
     {C::DigitoVerificador, 0, 0, 0, "1 (10 - simp)", "3 (11 - B)"}},
    {"nome", [](TCartao& c) { c.Grupos[2].Nome = "\x80\n"; },
     {C::Nome, 2, 0, 0, "\"Questões\"", "\"€\\x0A\""}},
    {"linhaInicial", [](TCartao& c) { c.Grupos[2].LinhaInicial = 5; }, {C::LinhaInicial, 2, 0, 0, "4", "5"}},
    {"linhaFinal", [](TCartao& c) { c.Grupos[1].LinhaFinal = 2; }, {C::LinhaFinal, 1, 0, 0, "3", "2"}},
    {"tipo", [](TCartao& c) { c.Grupos[1].Tipo = 7; },
     {C::Tipo, 1, 0, 0, "1 (Uma divisão de 10 quadrículas (Inscrição de 0 a 9))",
      "7 (Uma divisão de 10 quadrículas (Inscrição de 0 a 9) Desl. 1)"}},
    {"habilitado", [](TCartao& c) { c.Grupos[2].Habilitado = 0; }, {C::Habilitado, 2, 0, 0, "1 (sim)", "0 (não)"}},
    {"celula", [](TCartao& c) { Celula(c, 5, 7) = Mascarado; }, {C::Celula, 2, 5, 7, "\"0\"", "\"1\""}},
    {"celulaForaDosGrupos", [](TCartao& c) { Celula(c, 90, 12) = 'x'; }, {C::Celula, 0, 90, 12, "\"0\"", "\"x\""}},
    {"elemento1081", [](TCartao& c) { c.Mascara[TamanhoMascara] = Mascarado; },
     {C::Elemento1081, 0, 0, 0, "\"0\"", "\"1\""}},
};

class Comparar : public ::testing::TestWithParam<Caso> {};

TEST_P(Comparar, ReportsExactlyTheFieldThatDiffers)
{
    const TCartao a = CartaoDoEditor();
    TCartao b = a;
    GetParam().Alterar(b);
    EXPECT_EQ(CompararCartoes(a, b), std::vector<Diferenca>{GetParam().Esperada});
}

INSTANTIATE_TEST_SUITE_P(CadaCampo, Comparar, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.Nome); });

TEST(CompararCartoes, EqualCardsHaveNoDifference)
{
    EXPECT_TRUE(CompararCartoes(CartaoDoEditor(), CartaoDoEditor()).empty());
}

TEST(CompararCartoes, AGroupOnlyOneCardHasIsOneDifferenceNotFive)
{
    const TCartao a = CartaoDoEditor();
    TCartao b = a;
    b.NumGrupos = 1;
    EXPECT_EQ(CompararCartoes(a, b), (std::vector<Diferenca>{{C::NumGrupos, 0, 0, 0, "2", "1"},
                                                             {C::Grupo, 2, 0, 0, "existe", "não existe"}}));
}

TEST(CompararCartoes, TheReportGathersTheCellsOfOneLine)
{
    const TCartao a = CartaoDoEditor();
    TCartao b = a;
    b.PortaSerial = 4;
    b.Grupos[2].Tipo = 3;
    Celula(b, 5, 2) = Mascarado;
    Celula(b, 5, 3) = Mascarado;
    Celula(b, 6, 4) = Mascarado;
    EXPECT_EQ(TextoDasDiferencas(CompararCartoes(a, b)),
              "Porta serial: A COM 3, B COM 4\n"
              "Grupo 2, tipo: A 4 (Três divisões de 3 quadrículas (A B C)), B 3 (Duas divisões de 5 quadrículas (A B C D E))\n"
              "Máscara, grupo 2, linha 5: coluna 2 (A \"0\", B \"1\"), coluna 3 (A \"0\", B \"1\")\n"
              "Máscara, grupo 2, linha 6: coluna 4 (A \"0\", B \"1\")\n");
}

}  // namespace
