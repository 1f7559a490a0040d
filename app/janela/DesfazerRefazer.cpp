// Undo and redo. A step is a snapshot of the card and of what the panel showed of it; taking one
// back writes the snapshot into the model and the controls and refreshes, with no handler raised.

#include "TFrmConfig.h"

#include "Geometria.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QSignalBlocker>

#include <algorithm>
#include <optional>

EstadoEdicao TFrmConfig::EstadoAtual() const
{
    // The group the panel shows: when an action starts, the selector may already hold the next one.
    return {Cartao, VistaEdicao{grupoMostrado_, SpeNumGrupo->isEnabled(), ModoMascara, celulasDesmascaradas_}};
}

void TFrmConfig::ArmazenarNomeDigitado()
{
    // A name being typed is stored first, as one step of its own, so the key takes back the typing.
    if (EdtNome->hasFocus())
        Editar([this] { EdtNomeExit(); });
}

void TFrmConfig::Desfazer()
{
    ArmazenarNomeDigitado();
    if (const auto estado = sessao_->HistoricoDeEdicao().Desfazer(EstadoAtual()))
        RestaurarEstado(*estado);
}

void TFrmConfig::Refazer()
{
    ArmazenarNomeDigitado();
    if (const auto estado = sessao_->HistoricoDeEdicao().Refazer(EstadoAtual()))
        RestaurarEstado(*estado);
}

void TFrmConfig::RestaurarEstado(const EstadoEdicao& estado)
{
    const VistaEdicao& vista = estado.Vista;
    Comandar([&] {
        {
            // The snapshot already holds what the group rules would work out: none of them may run.
            const QSignalBlocker bloqueios[] = {QSignalBlocker(SpeMaxGrupo), QSignalBlocker(SpeNumGrupo),
                                                QSignalBlocker(RdgLeitura)};
            Cartao = estado.Cartao;
            AlinharControlesAoCartao();
            SpeNumGrupo->SetMaxValue(std::clamp(Cartao.NumGrupos, 1, MaxGrupos));
            SpeNumGrupo->SetValue(vista.GrupoAtual);
            SpeNumGrupo->setEnabled(vista.SeletorDeGrupoHabilitado);
        }
        SpeLinhaFinal->SetMaxValue(GrupoAtual() - Cartao.NumGrupos + MaxLinhas);
        AtualizarRegistro();
        // The redraw marks the label positions again; the snapshot may hold one toggled back.
        Cartao = estado.Cartao;
        if (vista.ModoMascara) {
            LigarModoMascara();
            celulasDesmascaradas_ = vista.CelulasDesmascaradas;
            for (int indice = 1; indice <= CelulasDaGrade; ++indice)
                if (celulasDesmascaradas_[indice])
                    PintarCelula((indice - 1) / ColunasPorLinha + 1, (indice - 1) % ColunasPorLinha + 1, false);
        }
        BitSalvar->setEnabled(!sessao_->IgualAoSalvo(Cartao));
        // The cell under the picture's cursor may read differently from what the redraw left.
        ImgCartao->ConteudoMudou();
    });
}
