#pragma once

#include "Cartao.h"

// Ten groups of nine lines of the item-number-heavy types: every line drawn, most cells with text.
inline TCartao CartaoPiorCaso()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    constexpr int tipos[] = {3, 4, 5, 6};
    cartao.NumGrupos = MaxGrupos;
    for (int g = 1; g <= MaxGrupos; ++g) {
        TGrupo& grupo = cartao.Grupos[static_cast<std::size_t>(g)];
        grupo.LinhaInicial = 9 * (g - 1) + 1;
        grupo.LinhaFinal = 9 * g;
        grupo.Tipo = tipos[(g - 1) % 4];
    }
    cartao.NumLinhas = MaxLinhas;
    return cartao;
}
