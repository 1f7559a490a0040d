#include "Cartao.h"

#include <algorithm>

void IniciarPadroes(TCartao& cartao)
{
    cartao.PortaSerial = 1;
    cartao.FormaLeitura = 'B';
    std::fill(cartao.Mascara.begin() + 1, cartao.Mascara.end(), Lido);
    for (int g = 1; g <= MaxGrupos; ++g)
        cartao.Grupos[g].Habilitado = 1;
}

void DefinirCartaoPrimeiraVez(TCartao& cartao)
{
    cartao.NumLinhas = 1;
    cartao.NumGrupos = 1;
    cartao.DigitoVerificador = 0;
    cartao.Grupos[1] = TGrupo{.Nome = {}, .LinhaInicial = 1, .LinhaFinal = 1, .Tipo = 0, .Habilitado = 1};
}

void MontarCartaoNovo(TCartao& cartao)
{
    DefinirCartaoPrimeiraVez(cartao);
    std::fill(cartao.Mascara.begin() + 1, cartao.Mascara.end(), Lido);
}

void DefinirMascaraDasLinhas(TCartao& cartao, long long de, long long ate, char valor)
{
    for (long long linha = std::max(de, 1LL); linha <= std::min(ate, static_cast<long long>(MaxLinhas)); ++linha)
        for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna)
            cartao.Mascara[IndiceCelula(static_cast<int>(linha), coluna)] = valor;
}
