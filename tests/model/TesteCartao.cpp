#include "Cartao.h"

#include <gtest/gtest.h>

namespace {

TCartao CartaoUsado()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    cartao.PortaSerial = 4;
    cartao.FormaLeitura = 'U';
    cartao.NumGrupos = 3;
    cartao.NumLinhas = 30;
    cartao.DigitoVerificador = 3;
    for (int g = 1; g <= 3; ++g) {
        std::string nome = "G";
        nome += std::to_string(g);  // appended: GCC 12 warns (-Wrestrict) of "G" + a temporary
        cartao.Grupos[g] = TGrupo{nome, 10 * g - 9, 10 * g, g + 2, 0};
    }
    cartao.Mascara[5] = Mascarado;
    cartao.Mascara[TamanhoMascara] = Mascarado;
    return cartao;
}

TEST(Cartao, CreationValuesClearTheMaskAndEnableEveryRecord)
{
    TCartao cartao = CartaoUsado();
    IniciarPadroes(cartao);
    EXPECT_EQ(cartao.PortaSerial, 1);
    EXPECT_EQ(cartao.FormaLeitura, 'B');
    for (int k = 1; k <= TamanhoMascara; ++k)
        ASSERT_EQ(cartao.Mascara[k], Lido) << k;
    for (int g = 1; g <= MaxGrupos; ++g)
        EXPECT_EQ(cartao.Grupos[g].Habilitado, 1);
}

TEST(Cartao, FirstTimeCardSetsGroupOneAndKeepsPortModeMaskAndOtherRecords)
{
    const TCartao antes = CartaoUsado();
    TCartao cartao = antes;
    DefinirCartaoPrimeiraVez(cartao);

    EXPECT_EQ(cartao.NumLinhas, 1);
    EXPECT_EQ(cartao.NumGrupos, 1);
    EXPECT_EQ(cartao.DigitoVerificador, 0);
    EXPECT_EQ(cartao.Grupos[1], (TGrupo{"", 1, 1, 0, 1}));
    EXPECT_EQ(cartao.PortaSerial, 4);
    EXPECT_EQ(cartao.FormaLeitura, 'U');
    EXPECT_EQ(cartao.Mascara, antes.Mascara);
    EXPECT_EQ(cartao.Grupos[2], antes.Grupos[2]);
    EXPECT_EQ(cartao.Grupos[3], antes.Grupos[3]);
}

TEST(Cartao, NewCardAlsoClearsTheWholeMaskIncludingTheLastElement)
{
    const TCartao antes = CartaoUsado();
    TCartao cartao = antes;
    MontarCartaoNovo(cartao);

    EXPECT_EQ(cartao.NumGrupos, 1);
    EXPECT_EQ(cartao.Grupos[1], (TGrupo{"", 1, 1, 0, 1}));
    for (int k = 1; k <= TamanhoMascara; ++k)
        ASSERT_EQ(cartao.Mascara[k], Lido) << k;
    EXPECT_EQ(cartao.PortaSerial, 4);
    EXPECT_EQ(cartao.FormaLeitura, 'U');
    EXPECT_EQ(cartao.Grupos[3], antes.Grupos[3]);
}

TEST(Cartao, CellIndexRunsLineAfterLineAndOnlyTypesOneSevenEightAreRegistration)
{
    EXPECT_EQ(IndiceCelula(1, 1), 1);
    EXPECT_EQ(IndiceCelula(1, 12), 12);
    EXPECT_EQ(IndiceCelula(2, 1), 13);
    EXPECT_EQ(IndiceCelula(90, 12), CelulasDaGrade);
    for (int tipo = -1; tipo <= 11; ++tipo)
        EXPECT_EQ(EhTipoInscricao(tipo), tipo == 1 || tipo == 7 || tipo == 8) << tipo;
}

TEST(Cartao, LineMaskWritesStayOnTheGrid)
{
    TCartao cartao;
    IniciarPadroes(cartao);
    DefinirMascaraDasLinhas(cartao, 89, 200, Mascarado);
    DefinirMascaraDasLinhas(cartao, -2000000000, 0, Mascarado);
    EXPECT_EQ(cartao.Mascara[IndiceCelula(88, 12)], Lido);
    EXPECT_EQ(cartao.Mascara[IndiceCelula(89, 1)], Mascarado);
    EXPECT_EQ(cartao.Mascara[IndiceCelula(90, 12)], Mascarado);
    EXPECT_EQ(cartao.Mascara[TamanhoMascara], Lido);
    EXPECT_EQ(cartao.Mascara[1], Lido);
}

}  // namespace
