// Manual mask selection: masked cells of enabled groups shown green, toggled one press at a time.

#include "TFrmConfig.h"

#include "Geometria.h"
#include "TBitBtn.h"
#include "TImagemCartao.h"
#include "Textos.h"

#include <algorithm>

namespace {

// The press area of a cell reaches one pixel beyond its right and bottom edges.
bool AcertouCelula(int linha, int coluna, int x, int y)
{
    const Retangulo celula = RetanguloCelula(linha, coluna);
    return x >= celula.Esquerda && x <= celula.Direita && y >= celula.Topo && y <= celula.Base;
}

}  // namespace

void TFrmConfig::PintarCelula(int linha, int coluna, bool mascarada)
{
    const Retangulo celula = RetanguloCelula(linha, coluna);
    if (mascarada) {
        superficie_.DefinirPincel(Verde);
        superficie_.Preencher(celula);
    } else {
        superficie_.DefinirPincel(Branco);
        superficie_.Preencher(celula);
        superficie_.DefinirPincel(Vermelho);
        superficie_.Moldurar(celula);
    }
    ImgCartao->update();
}

// Calls visitar(linha, coluna) for every editable cell: the lines of the enabled groups.
template <class Visitar>
static void ParaCadaCelulaEditavel(const TCartao& cartao, Visitar&& visitar)
{
    const int grupos = std::clamp(cartao.NumGrupos, 0, MaxGrupos);
    for (int g = 1; g <= grupos; ++g) {
        const TGrupo& grupo = cartao.Grupos[g];
        if (grupo.Habilitado != 1)
            continue;
        for (int linha = std::max(grupo.LinhaInicial, 1); linha <= std::min(grupo.LinhaFinal, MaxLinhas); ++linha)
            for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna)
                if (visitar(linha, coluna))
                    return;
    }
}

void TFrmConfig::BitMascaraClick()
{
    if (BitMascara->text() != Textos::MascaraDesligada) {
        Canvas();
        return;
    }
    LigarModoMascara();
}

void TFrmConfig::LigarModoMascara()
{
    BitMascara->setText(Textos::MascaraLigada);
    ModoMascara = true;
    celulasDesmascaradas_.reset();
    RepintarSelecaoDaMascara();
}

void TFrmConfig::RepintarSelecaoDaMascara()
{
    ParaCadaCelulaEditavel(Cartao, [this](int linha, int coluna) {
        const int indice = IndiceCelula(linha, coluna);
        if (Cartao.Mascara[indice] == Mascarado)
            PintarCelula(linha, coluna, true);
        else if (celulasDesmascaradas_[indice])
            PintarCelula(linha, coluna, false);
        return false;
    });
}

void TFrmConfig::ImgCartaoMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    if (!ModoMascara)
        return;
    ParaCadaCelulaEditavel(Cartao, [&](int linha, int coluna) {
        if (!AcertouCelula(linha, coluna, x, y))
            return false;
        const int indice = IndiceCelula(linha, coluna);
        char& celula = Cartao.Mascara[indice];
        if (celula == Lido) {
            celula = Mascarado;
            celulasDesmascaradas_.reset(indice);
            PintarCelula(linha, coluna, true);
        } else if (celula == Mascarado) {
            celula = Lido;
            celulasDesmascaradas_.set(indice);
            PintarCelula(linha, coluna, false);
        }
        return true;  // one cell per press
    });
    ImgCartao->ConteudoMudou();
}
