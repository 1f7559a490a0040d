// The one road from the card to the screen: the group panel and the card picture.

#include "TFrmConfig.h"

#include "DesenhoCartao.h"
#include "ListasDoCartao.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Textos.h"
#include "Windows1252.h"

#include <algorithm>

namespace {

constexpr int TiposDeGrupo = static_cast<int>(NomesDosTipos.size());
constexpr int TiposDeDigito = static_cast<int>(NomesDosDigitos.size());

// An index a list can show; anything else shows no entry.
int IndiceDaLista(int valor, int itens)
{
    return valor >= 0 && valor < itens ? valor : -1;
}

}  // namespace

void TFrmConfig::AtualizarRegistro()
{
    const int g = GrupoAtual();
    grupoMostrado_ = g;
    const TGrupo grupo = Cartao.Grupos[g];

    EdtNome->setText(DeWindows1252(grupo.Nome));
    CobDivisao->SetItemIndex(IndiceDaLista(grupo.Tipo, TiposDeGrupo));

    PermiteLinhaFinal = false;
    SpeLinhaFinal->SetValue(grupo.LinhaFinal);
    PermiteLinhaFinal = true;

    EdtLinhaInicial->setText(QString::number(grupo.LinhaInicial));

    AtualizandoHabilitado = true;
    RdgHabilitado->SetItemIndex(grupo.Habilitado == 1 ? 0 : 1);
    AtualizandoHabilitado = false;

    if (EhTipoInscricao(grupo.Tipo)) {
        Cobdigito->setEnabled(true);
        Cobdigito->SetItemIndex(IndiceDaLista(Cartao.DigitoVerificador, TiposDeDigito));
    } else {
        Cobdigito->setEnabled(false);
    }

    const int ultimo = std::clamp(Cartao.NumGrupos, 1, MaxGrupos);
    DefinirMascaraDasLinhas(Cartao, static_cast<long long>(Cartao.Grupos[ultimo].LinhaFinal) + 1, MaxLinhas, Lido);

    Canvas();
}

void TFrmConfig::Canvas()
{
    BitMascara->setText(Textos::MascaraDesligada);
    ModoMascara = false;
    celulasDesmascaradas_.reset();

    const int numLinhas = EdtNumLinha->text().toInt();
    Cartao.NumLinhas = numLinhas;

    superficie_.DefinirEscala(ImgCartao->devicePixelRatioF());
    DesenharCartao(superficie_, Cartao, numLinhas, FaceDoBotao());
    ImgCartao->ConteudoMudou();
}

Cor TFrmConfig::FaceDoBotao() const
{
    return DeQRgb(palette().color(QPalette::Button).rgb());
}

void TFrmConfig::RedesenharNaEscala(double razaoDoDispositivo)
{
    // The screen changed, not the card: the same picture in the new screen's pixels. Drawn from a
    // copy, so the label positions a mask selection toggled keep what the operator made of them,
    // and with the selection's cells painted again as they stood.
    superficie_.DefinirEscala(razaoDoDispositivo);
    TCartao copia = Cartao;
    DesenharCartao(superficie_, copia, EdtNumLinha->text().toInt(), FaceDoBotao());
    if (ModoMascara)
        RepintarSelecaoDaMascara();
}
