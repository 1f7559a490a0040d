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

    const QColor face = palette().color(QPalette::Button);
    DesenharCartao(superficie_, Cartao, numLinhas, DeQRgb(face.rgb()));
    ImgCartao->ConteudoMudou();
}
