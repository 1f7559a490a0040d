#include "DesenhoCartao.h"

#include "Geometria.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace {

// A group text: red on a cell filled white first.
void EscreverNaCelula(Superficie& superficie, const Retangulo& celula, int dx, std::string_view texto)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto(celula, celula.Esquerda + dx, celula.Topo, texto);
}

void Emoldurar(Superficie& superficie, const Retangulo& celula)
{
    superficie.DefinirPincel(Vermelho);
    superficie.Moldurar(celula);
}

// Room for the decimal text of any long long.
using Algarismos = std::array<char, 24>;

std::string_view Decimal(long long valor, Algarismos& espaco)
{
    const auto fim = std::to_chars(espaco.data(), espaco.data() + espaco.size(), valor).ptr;
    return {espaco.data(), static_cast<std::size_t>(fim - espaco.data())};
}

void DesenharNumeroDaLinha(Superficie& superficie, int linha, Cor faceBotao)
{
    superficie.DefinirPincel(faceBotao);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteNumeroLinha, Vermelho);
    const Retangulo numero = RetanguloCelula(linha, ColunaNumeroLinha);
    Algarismos espaco;
    superficie.EscreverTexto(numero, numero.Esquerda + DxNumero, numero.Topo, Decimal(linha, espaco));

    superficie.DefinirPincel(Preto);
    superficie.Preencher(RetanguloCelula(linha, ColunaSincronismo));
}

}  // namespace

void DesenharGrupo(Superficie& superficie, TCartao& cartao, const Disposicao& disposicao, std::int32_t s,
                   std::int32_t e)
{
    if (e < s)
        return;
    // 64-bit: a group read from a damaged file may span the whole int32 range.
    const long long n = static_cast<long long>(e) - s + 1;
    // Lines off the grid have no mask cell and no place on the card: only the grid part is drawn.
    const int primeira = std::max(s, 1);
    const int ultima = std::min(e, MaxLinhas);

    for (int linha = primeira; linha <= ultima; ++linha) {
        for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
            const Coluna& tipo = disposicao[static_cast<std::size_t>(coluna - 1)];
            char& celula = cartao.Mascara[static_cast<std::size_t>(IndiceCelula(linha, coluna))];
            const Retangulo retangulo = RetanguloCelula(linha, coluna);

            switch (tipo.Tipo) {
            case TipoColuna::EmBranco:
                celula = Mascarado;
                break;
            case TipoColuna::NumeroItem: {
                Algarismos espaco;
                EscreverNaCelula(superficie, retangulo, DxNumero,
                                 Decimal(NumeroDoItem(linha, s, n, tipo.Divisao), espaco));
                celula = Mascarado;
                break;
            }
            case TipoColuna::MarcaRotulada:
                if (celula == Lido) {
                    EscreverNaCelula(superficie, retangulo, DxLetra, std::string_view(&tipo.Rotulo, 1));
                    Emoldurar(superficie, retangulo);
                }
                break;
            case TipoColuna::MarcaSimples:
                if (celula == Lido)
                    Emoldurar(superficie, retangulo);
                break;
            }
        }
    }
}

void DesenharCartao(Superficie& superficie, TCartao& cartao, int numLinhas, Cor faceBotao)
{
    // The button-face background, then the white card on it.
    const Retangulo contorno = RetanguloContorno(numLinhas);
    superficie.PreencherDoisPlanos(faceBotao, RetanguloSuperficie, Branco, contorno);
    superficie.DefinirPincel(Preto);
    superficie.Moldurar(contorno);

    for (int linha = 1; linha <= std::min(numLinhas, MaxLinhas); ++linha)
        DesenharNumeroDaLinha(superficie, linha, faceBotao);

    const int grupos = std::clamp(cartao.NumGrupos, 0, MaxGrupos);
    for (int g = 1; g <= grupos; ++g) {
        const TGrupo& grupo = cartao.Grupos[static_cast<std::size_t>(g)];
        if (const Disposicao* disposicao = DisposicaoDoTipo(grupo.Tipo))
            DesenharGrupo(superficie, cartao, *disposicao, grupo.LinhaInicial, grupo.LinhaFinal);
    }
}

void Canvas_12(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas12, s, e);
}

void Canvas_10(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas10, s, e);
}

void Canvas_10D1(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas10D1, s, e);
}

void Canvas_10D2(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas10D2, s, e);
}

void Canvas_5(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas5, s, e);
}

void Canvas_3(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas3, s, e);
}

void Canvas_2(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas2, s, e);
}

void Canvas_1(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e)
{
    DesenharGrupo(superficie, cartao, DisposicaoCanvas1, s, e);
}
