#include "DescricaoCelula.h"

#include "Cartao.h"
#include "Textos.h"

#include <algorithm>

namespace {

// The first group whose lines hold the line, as the mask editor looks them up; 0 for none.
int GrupoDaLinha(const TCartao& cartao, int linha)
{
    const int grupos = std::clamp(cartao.NumGrupos, 0, MaxGrupos);
    for (int g = 1; g <= grupos; ++g)
        if (linha >= cartao.Grupos[g].LinhaInicial && linha <= cartao.Grupos[g].LinhaFinal)
            return g;
    return 0;
}

}  // namespace

QString DescreverCelula(const TCartao& cartao, int linha, int coluna)
{
    const int g = LinhaNaGrade(linha) && coluna >= 1 && coluna <= ColunasPorLinha ? GrupoDaLinha(cartao, linha) : 0;
    if (g == 0)
        return Textos::CelulaForaDosGrupos.arg(linha).arg(coluna);
    // Only "0" is read: the reader and the drawing take any other character as masked.
    const bool lida = cartao.Mascara[IndiceCelula(linha, coluna)] == Lido;
    return Textos::CelulaDoGrupo.arg(linha).arg(coluna).arg(g).arg(lida ? Textos::CelulaLida : Textos::CelulaIgnorada);
}
