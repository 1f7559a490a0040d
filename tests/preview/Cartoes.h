#pragma once

// Cards for the picture tests, built the way the editor builds them.

#include "Cartao.h"

#include <initializer_list>

// The face colour the tests pass for the window background; distinct from every card colour.
constexpr std::uint32_t FaceBotao = 0xF0F0F0;

struct GrupoDeTeste {
    std::int32_t LinhaInicial;
    std::int32_t LinhaFinal;
    std::int32_t Tipo;
};

// A new card (mask all "0") holding the given groups in order.
inline TCartao CartaoCom(std::initializer_list<GrupoDeTeste> grupos)
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    int g = 0;
    for (const GrupoDeTeste& grupo : grupos) {
        ++g;
        cartao.Grupos[static_cast<std::size_t>(g)].LinhaInicial = grupo.LinhaInicial;
        cartao.Grupos[static_cast<std::size_t>(g)].LinhaFinal = grupo.LinhaFinal;
        cartao.Grupos[static_cast<std::size_t>(g)].Tipo = grupo.Tipo;
    }
    cartao.NumGrupos = g;
    cartao.NumLinhas = g > 0 ? cartao.Grupos[static_cast<std::size_t>(g)].LinhaFinal : 0;
    return cartao;
}

inline char& Celula(TCartao& cartao, int linha, int coluna)
{
    return cartao.Mascara[static_cast<std::size_t>(IndiceCelula(linha, coluna))];
}
