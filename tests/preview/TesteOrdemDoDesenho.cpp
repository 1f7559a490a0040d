// The order of the drawing calls: each step sets the brush and font it needs first.

#include "Cartoes.h"
#include "DesenhoCartao.h"
#include "SuperficieGravadora.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

TEST(OrdemDoDesenho, CartaoPadraoDoFundoAteAsQuadriculas)
{
    TCartao cartao = CartaoCom({{1, 1, 0}});
    SuperficieGravadora superficie;
    DesenharCartao(superficie, cartao, 1, FaceBotao);

    ASSERT_EQ(superficie.Chamadas.size(), 11U + 2 * 12);
    const std::vector<std::string> inicio(superficie.Chamadas.begin(), superficie.Chamadas.begin() + 11);
    EXPECT_THAT(inicio, ElementsAre("Pincel F0F0F0", "Preencher 0 0 240 850",
                                    "Pincel FFFFFF", "Preencher 25 2 225 29",
                                    "Pincel 000000", "Moldurar 25 2 225 29",
                                    "Pincel F0F0F0", "Fonte Small Fonts 6 0000FF", "Texto 10 11 22 19 em 10 11 \"1\"",
                                    "Pincel 000000", "Preencher 25 11 37 19"));
    EXPECT_EQ(superficie.Chamadas[11], "Pincel 0000FF");
    EXPECT_EQ(superficie.Chamadas[12], "Moldurar 40 11 52 19");
    EXPECT_EQ(superficie.Chamadas.back(), "Moldurar 205 11 217 19");
}

TEST(OrdemDoDesenho, NumeroELetraDeUmaLinhaDoTipo4)
{
    TCartao cartao = CartaoCom({{1, 2, 4}});
    SuperficieGravadora superficie;
    Canvas_3(superficie, cartao, 2, 2);
    ASSERT_GE(superficie.Chamadas.size(), 8U);
    const std::vector<std::string> inicio(superficie.Chamadas.begin(), superficie.Chamadas.begin() + 8);
    EXPECT_THAT(inicio, ElementsAre("Pincel FFFFFF", "Fonte Small Fonts 5 0000FF", "Texto 40 20 52 28 em 40 20 \"1\"",
                                    "Pincel FFFFFF", "Fonte Small Fonts 5 0000FF", "Texto 55 20 67 28 em 59 20 \"A\"",
                                    "Pincel 0000FF", "Moldurar 55 20 67 28"));
}

TEST(OrdemDoDesenho, GruposSeguemAOrdemDaTabela)
{
    TCartao cartao = CartaoCom({{1, 1, 6}, {2, 2, 6}});
    SuperficieGravadora superficie;
    DesenharCartao(superficie, cartao, 2, FaceBotao);
    std::vector<std::string> textos;
    for (const std::string& chamada : superficie.Chamadas)
        if (chamada.starts_with("Texto") && chamada.find(" em 40 ") != std::string::npos)
            textos.push_back(chamada);
    EXPECT_THAT(textos, ElementsAre("Texto 40 11 52 19 em 40 11 \"1\"", "Texto 40 20 52 28 em 40 20 \"1\""));
}
