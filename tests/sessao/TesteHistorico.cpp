#include "Historico.h"

#include <gtest/gtest.h>

namespace {

EstadoEdicao Estado(int passo)
{
    EstadoEdicao estado;
    estado.Cartao.NumLinhas = passo;
    estado.Vista.GrupoAtual = passo;
    return estado;
}

TEST(Historico, KeepsTheNewestStepsUpToItsLimitWithTheirView)
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
    const int primeiroGuardado = passos - static_cast<int>(Historico::Limite) + 1;
    EXPECT_EQ(ultimo->Cartao.NumLinhas, primeiroGuardado);
    EXPECT_EQ(ultimo->Vista.GrupoAtual, primeiroGuardado);
}

}  // namespace
