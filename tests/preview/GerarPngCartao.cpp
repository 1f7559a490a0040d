// Draws two sample cards and writes them as PNG files, to check the picture by eye:
// a card with every kind of group, and one whose item numbers run up to 540.

#include "Cartao.h"
#include "DesenhoCartao.h"
#include "SuperficieImagem.h"

#include <cstdio>
#include <string>

namespace {

constexpr Cor FaceBotao = 0xF0F0F0;

struct Grupo {
    int Inicial, Final, Tipo;
};

TCartao Cartao(std::initializer_list<Grupo> grupos)
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    int g = 0;
    for (const Grupo& grupo : grupos) {
        TGrupo& registro = cartao.Grupos[static_cast<std::size_t>(++g)];
        registro.LinhaInicial = grupo.Inicial;
        registro.LinhaFinal = grupo.Final;
        registro.Tipo = grupo.Tipo;
    }
    cartao.NumGrupos = g;
    cartao.NumLinhas = cartao.Grupos[static_cast<std::size_t>(g)].LinhaFinal;
    return cartao;
}

bool Gravar(TCartao& cartao, const std::string& caminho)
{
    SuperficieImagem superficie;
    DesenharCartao(superficie, cartao, cartao.NumLinhas, FaceBotao);
    if (!superficie.Imagem().save(QString::fromStdString(caminho), "PNG")) {
        std::fprintf(stderr, "could not write %s\n", caminho.c_str());
        return false;
    }
    std::printf("%s\n", caminho.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string pasta = argc > 1 ? std::string(argv[1]) + "/" : std::string();

    TCartao variado = Cartao({{1, 4, 0}, {5, 8, 1}, {9, 12, 7}, {13, 16, 8}, {17, 31, 3},
                              {32, 46, 4}, {47, 61, 5}, {62, 81, 6}, {82, 85, 9}, {86, 90, 10}});
    // A few positions masked by hand, and a disabled group with all its cells masked.
    variado.Mascara[static_cast<std::size_t>(IndiceCelula(2, 3))] = Mascarado;
    variado.Mascara[static_cast<std::size_t>(IndiceCelula(3, 12))] = Mascarado;
    variado.Mascara[static_cast<std::size_t>(IndiceCelula(20, 4))] = Mascarado;
    variado.Grupos[9].Habilitado = 0;
    DefinirMascaraDasLinhas(variado, 82, 85, Mascarado);

    TCartao numeros = Cartao({{1, 90, 6}});

    const bool ok = Gravar(variado, pasta + "cartao_variado.png") && Gravar(numeros, pasta + "cartao_numeros.png");
    return ok ? 0 : 1;
}
