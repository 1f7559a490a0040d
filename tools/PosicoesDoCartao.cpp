#include "PosicoesDoCartao.h"

#include <algorithm>

int GruposEmUso(const TCartao& cartao)
{
    return std::clamp(cartao.NumGrupos, 0, MaxGrupos);
}

int GrupoDaLinha(const TCartao& cartao, int linha)
{
    for (int g = GruposEmUso(cartao); g >= 1; --g) {
        const TGrupo& grupo = cartao.Grupos[static_cast<std::size_t>(g)];
        if (grupo.LinhaInicial <= linha && linha <= grupo.LinhaFinal)
            return g;
    }
    return 0;
}

std::int32_t UltimaLinhaDosGrupos(const TCartao& cartao)
{
    return cartao.Grupos[static_cast<std::size_t>(std::clamp(cartao.NumGrupos, 1, MaxGrupos))].LinhaFinal;
}
