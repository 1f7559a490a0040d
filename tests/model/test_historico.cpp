#include "Historico.h"

#include <gtest/gtest.h>

namespace {

EstadoEdicao Estado(int grupo)
{
    EstadoEdicao estado;
    estado.GrupoAtual = grupo;
    return estado;
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
