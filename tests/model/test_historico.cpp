#include "Historico.h"

#include <gtest/gtest.h>

namespace {

EstadoEdicao Estado(int grupo)
{
    EstadoEdicao estado;
    estado.GrupoAtual = grupo;
    return estado;
}

TEST(Historico, UndoAndRedoWalkTheStepsAndANewActionDropsWhatWasUndone)
{
    Historico historico;
    EXPECT_FALSE(historico.Desfazer(Estado(9)));
    historico.Registrar(Estado(1));
    historico.Registrar(Estado(2));

    EXPECT_EQ(historico.Desfazer(Estado(3)), Estado(2));
    EXPECT_EQ(historico.Desfazer(Estado(2)), Estado(1));
    EXPECT_FALSE(historico.Desfazer(Estado(1)));
    EXPECT_EQ(historico.Refazer(Estado(1)), Estado(2));

    historico.Registrar(Estado(4));
    EXPECT_FALSE(historico.Refazer(Estado(5))) << "a new action ends the redo";
    EXPECT_EQ(historico.Desfazer(Estado(5)), Estado(4));

    historico.Reiniciar();
    EXPECT_EQ(historico.PassosParaDesfazer() + historico.PassosParaRefazer(), 0u);
}

TEST(Historico, KeepsTheNewestStepsUpToItsLimit)
{
    Historico historico;
    const int passos = static_cast<int>(Historico::Limite) + 20;
    for (int i = 1; i <= passos; ++i)
        historico.Registrar(Estado(i));
    EXPECT_EQ(historico.PassosParaDesfazer(), Historico::Limite);
    std::optional<EstadoEdicao> ultimo;
    while (auto estado = historico.Desfazer(Estado(0)))
        ultimo = estado;
    ASSERT_TRUE(ultimo);
    EXPECT_EQ(ultimo->GrupoAtual, passos - static_cast<int>(Historico::Limite) + 1);
}

}  // namespace
