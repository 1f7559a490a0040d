// The group panel and card settings: the rules that keep the groups consecutive, at least one
// line long and within line 90, and that reset the mask of the lines a change moves or retypes.

#include "TFrmConfig.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Windows1252.h"

#include <QLineEdit>

#include <algorithm>

namespace {

const TGrupo GrupoRemovido{"", 0, 0, 0, 1};

}  // namespace

void TFrmConfig::SpeMaxGrupoChange()
{
    const int antigo = std::clamp(Cartao.NumGrupos, 1, MaxGrupos);
    const int novo = std::clamp(SpeMaxGrupo->Value(), 1, MaxGrupos);

    if (novo > antigo && Cartao.Grupos[antigo].LinhaFinal >= MaxLinhas) {
        // No room for another group: the count springs back, which runs this handler again.
        SpeMaxGrupo->SetValue(antigo);
    } else if (novo > antigo) {
        SpeNumGrupo->SetMaxValue(novo);
        for (int i = antigo; i < novo; ++i) {
            Cartao.NumGrupos = novo;
            EdtNumLinha->setText(QString::number(EdtNumLinha->text().toInt() + 1));
            const int linha = Cartao.Grupos[i].LinhaFinal + 1;
            Cartao.Grupos[i + 1] = TGrupo{"", linha, linha, Cartao.Grupos[i].Tipo, 1};
            SpeNumGrupo->setEnabled(true);
        }
    } else {
        SpeNumGrupo->SetMaxValue(novo);
        if (SpeNumGrupo->Value() > novo)
            SpeNumGrupo->SetText(SpeMaxGrupo->Text());
        for (int i = antigo; i > novo; --i) {
            Cartao.NumGrupos = novo;
            Cartao.Grupos[i] = GrupoRemovido;
            if (i - 1 == 1)
                SpeNumGrupo->setEnabled(false);
        }
        EdtNumLinha->setText(QString::number(Cartao.Grupos[std::clamp(Cartao.NumGrupos, 1, MaxGrupos)].LinhaFinal));
    }
    SpeNumGrupoChange();
}

void TFrmConfig::SpeNumGrupoChange()
{
    const int g = GrupoAtual();
    // Every later group keeps at least one line.
    SpeLinhaFinal->SetMaxValue(g - Cartao.NumGrupos + MaxLinhas);
    AtualizarRegistro();
}

void TFrmConfig::SpeLinhaFinalChange()
{
    if (!PermiteLinhaFinal)
        return;
    const int g = GrupoAtual();
    const int ultimo = std::clamp(Cartao.NumGrupos, 1, MaxGrupos);
    TGrupo& grupo = Cartao.Grupos[g];
    grupo.LinhaFinal = std::max(SpeLinhaFinal->Value(), grupo.LinhaInicial);

    // Later groups give up lines at their top; one squeezed to a single line pushes the next one.
    for (int k = g + 1; k <= ultimo; ++k) {
        Cartao.Grupos[k].LinhaInicial = Cartao.Grupos[k - 1].LinhaFinal + 1;
        Cartao.Grupos[k].LinhaFinal = std::max(Cartao.Grupos[k].LinhaFinal, Cartao.Grupos[k].LinhaInicial);
    }
    EdtNumLinha->setText(QString::number(Cartao.Grupos[ultimo].LinhaFinal));

    if (g != Cartao.NumGrupos)
        for (int k = g; k <= ultimo; ++k)
            DefinirMascaraDasLinhas(Cartao, Cartao.Grupos[k].LinhaInicial, Cartao.Grupos[k].LinhaFinal, Lido);

    AtualizarRegistro();
}

void TFrmConfig::CobDivisaoChange()
{
    TGrupo& grupo = Cartao.Grupos[GrupoAtual()];
    grupo.Tipo = CobDivisao->ItemIndex();
    // The new layout starts from a clear mask; the redraw marks its labels again.
    DefinirMascaraDasLinhas(Cartao, grupo.LinhaInicial, grupo.LinhaFinal, Lido);
    AtualizarRegistro();
}

void TFrmConfig::RdgHabilitadoClick()
{
    if (AtualizandoHabilitado)
        return;
    TGrupo& grupo = Cartao.Grupos[GrupoAtual()];
    const bool desabilitar = RdgHabilitado->ItemIndex() == 1;
    grupo.Habilitado = desabilitar ? 0 : 1;
    // A disabled group is ignored whole by the reader.
    DefinirMascaraDasLinhas(Cartao, grupo.LinhaInicial, grupo.LinhaFinal, desabilitar ? Mascarado : Lido);
    AtualizarRegistro();
}

void TFrmConfig::EdtNomeChange()
{
    // Save must work while the operator is still typing: the unsaved mark counts the name in the
    // box, though the name itself is stored only on leaving it.
    nomeSendoDigitado_ = true;
}

void TFrmConfig::EdtNomeExit()
{
    nomeSendoDigitado_ = false;
    // The box only takes storable text; should anything else get in, the stored name stays.
    const auto nome = ParaWindows1252(EdtNome->text());
    if (!nome || *nome == Cartao.Grupos[GrupoAtual()].Nome)
        return;
    Cartao.Grupos[GrupoAtual()].Nome = *nome;
}

void TFrmConfig::CobdigitoChange()
{
    Cartao.DigitoVerificador = Cobdigito->ItemIndex();
}

void TFrmConfig::CBSerialChange()
{
    Cartao.PortaSerial = CBSerial->ItemIndex() + 1;
}

void TFrmConfig::RdgLeituraClick()
{
    Cartao.FormaLeitura = RdgLeitura->ItemIndex() == 0 ? 'U' : 'B';
}
