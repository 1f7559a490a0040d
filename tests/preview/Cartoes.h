#pragma once

// Cards for the picture tests, built the way the editor builds them.

#include "Cartao.h"

#include <initializer_list>
#include <ostream>

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

// The printed line of each type: '.' plain box, '-' blank, '#' item number, else the printed character.
struct LinhaDoTipo {
    int Tipo;
    const char* Colunas;
};

inline constexpr LinhaDoTipo LinhasDosTipos[] = {
    {0, "............"}, {1, "-#0123456789"}, {2, "-#0123456789"}, {3, "#ABCDE#ABCDE"},
    {4, "#ABC#ABC#ABC"}, {5, "#AB#AB#AB#AB"}, {6, "#.#.#.#.#.#."}, {7, "#0123456789-"},
    {8, "0123456789-#"}, {9, "#0123456789-"}, {10, "0123456789-#"},
};

inline void PrintTo(const LinhaDoTipo& linha, std::ostream* saida)
{
    *saida << "type " << linha.Tipo << " \"" << linha.Colunas << "\"";
}
