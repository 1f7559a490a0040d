// New, Open, Save, Help and Close, and the start-up restore of the last file.

#include "TFrmConfig.h"

#include "ArquivoCfg.h"
#include "CaminhoDoSistema.h"
#include "MensagemErro.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Textos.h"
#include "UltimoArquivo.h"

#include <QDir>
#include <QLineEdit>

namespace {

// Paths travel to and from the files as the system's own bytes, whatever they are.
std::string Bytes(const QString& caminho)
{
    return BytesDoCaminho(caminho).toStdString();
}

}  // namespace

void TFrmConfig::MostrarNomeArquivo(const QString& caminho)
{
    // A path given by the system (Windows' "Abrir com") may use its own separator.
    const QString separado = QDir::fromNativeSeparators(caminho);
    EdtArquivo->setText(CaminhoParaMostrar(separado.mid(separado.lastIndexOf(QLatin1Char('/')) + 1)));
}

bool TFrmConfig::PerguntarAntesDeDescartar(const QString& pergunta)
{
    if (!BitSalvar->isEnabled())
        return true;
    if (!dialogos_->PerguntarSimNao(pergunta))
        return true;
    // A Yes whose save did not write the file stops the command: nothing is dropped by accident.
    return Salvar();
}

bool TFrmConfig::Salvar()
{
    SvdSalvar.NomeArquivo = QStringLiteral("*.cfg");
    const auto caminho = dialogos_->EscolherArquivoParaSalvar(SvdSalvar);
    if (!caminho)
        return false;
    try {
        GravarArquivoCfg(Bytes(*caminho), Cartao);
    } catch (const std::exception& erro) {
        dialogos_->RelatarErro(MensagemDoErro(erro));
        return false;
    }
    MostrarNomeArquivo(*caminho);
    sessao_->Salvo(Bytes(*caminho), Cartao);
    BitSalvar->setEnabled(false);
    // The card is safely on disk even if the pointer cannot be written; that is only reported.
    try {
        GravarUltimoArquivo(Bytes(ArqCfgInf), Bytes(*caminho));
    } catch (const std::exception& erro) {
        dialogos_->RelatarErro(MensagemDoErro(erro));
    }
    return true;
}

void TFrmConfig::BitSalvarClick()
{
    Salvar();
}

void TFrmConfig::MostrarPortaSerial()
{
    CBSerial->SetItemIndex(Cartao.PortaSerial >= 1 && Cartao.PortaSerial <= 9 ? Cartao.PortaSerial - 1 : -1);
}

void TFrmConfig::AlinharControlesAoCartao()
{
    MostrarPortaSerial();
    if (Cartao.FormaLeitura == 'B')
        RdgLeitura->SetItemIndex(1);
    else if (Cartao.FormaLeitura == 'U')
        RdgLeitura->SetItemIndex(0);
    EdtNumLinha->setText(QString::number(Cartao.NumLinhas));
    // A different count runs the group-count rule, which settles the group selector's range.
    SpeMaxGrupo->SetText(QString::number(Cartao.NumGrupos));
}

void TFrmConfig::BitNovoClick()
{
    if (!PerguntarAntesDeDescartar(Textos::PerguntaAntesDeAbrir))
        return;
    MontarCartaoNovo(Cartao);
    SpeNumGrupo->setEnabled(false);
    EdtArquivo->clear();
    SpeMaxGrupo->SetText(QString::number(Cartao.NumGrupos));
    EdtNumLinha->setText(QString::number(Cartao.NumLinhas));
    AtualizarRegistro();
    BitSalvar->setEnabled(false);
    sessao_->Salvo({}, Cartao);
    sessao_->HistoricoDeEdicao().Reiniciar();
}

void TFrmConfig::BitAbrirClick()
{
    if (!PerguntarAntesDeDescartar(Textos::PerguntaAntesDeAbrir))
        return;
    OpdAbrir.NomeArquivo = QStringLiteral("*.cfg");
    AbrirArquivo(dialogos_->EscolherArquivoParaAbrir(OpdAbrir));
}

void TFrmConfig::AbrirArquivoRecebido(const QString& caminho)
{
    if (!PerguntarAntesDeDescartar(Textos::PerguntaAntesDeAbrir))
        return;
    AbrirArquivo(caminho);
}

void TFrmConfig::AbrirArquivo(const std::optional<QString>& caminho)
{
    // The card on screen changes only when a file is read, and only then is it saved as shown.
    const bool naoSalvoAntes = BitSalvar->isEnabled();
    bool lido = false;
    QString erroPonteiro;

    if (caminho) {
        try {
            LerArquivoCfg(Bytes(*caminho), Cartao);
            MostrarNomeArquivo(*caminho);
            lido = true;
        } catch (const std::exception& erro) {
            // The fixed message first, then the reader's own reason: the operator learns what to fix.
            dialogos_->Avisar(Textos::ErroDeLeitura + QLatin1Char('\n') + MensagemDoErro(erro));
        }
        // Only a file really opened is remembered: a refused one must not cost the last good card.
        // Reported only once the controls show the card, so the window never shows a stale count.
        if (lido) {
            try {
                GravarUltimoArquivo(Bytes(ArqCfgInf), Bytes(*caminho));
            } catch (const std::exception& erro) {
                erroPonteiro = MensagemDoErro(erro);
            }
        }
        AlinharControlesAoCartao();
        SpeNumGrupo->SetText(QStringLiteral("1"));
    }
    if (Cartao.NumGrupos > 1)
        SpeNumGrupo->setEnabled(true);
    BitSalvar->setEnabled(lido ? false : naoSalvoAntes);
    AtualizarRegistro();
    if (lido) {
        sessao_->Salvo(Bytes(*caminho), Cartao);
        sessao_->HistoricoDeEdicao().Reiniciar();
    }
    if (!erroPonteiro.isEmpty())
        dialogos_->RelatarErro(erroPonteiro);
}

void TFrmConfig::AbrirUltimoArquivo()
{
    try {
        const std::string caminho = LerUltimoArquivo(Bytes(ArqCfgInf));
        LerArquivoCfg(caminho, Cartao);
        sessao_->Salvo(caminho, Cartao);
    } catch (const std::exception&) {
        // Whatever is wrong with the last file, the operator simply gets the first-time card.
        MontarCartaoPrimeiraVez();
    }
    MostrarCartaoLido(CaminhoDeBytes(QByteArray::fromStdString(sessao_->Arquivo())));
    BitSalvar->setEnabled(false);
    AtualizarRegistro();
    sessao_->HistoricoDeEdicao().Reiniciar();
}

void TFrmConfig::MostrarCartaoLido(const QString& caminho)
{
    MostrarNomeArquivo(caminho);
    AlinharControlesAoCartao();
    SpeNumGrupo->SetText(QStringLiteral("1"));
    SpeNumGrupoChange();
    if (Cartao.NumGrupos > 1)
        SpeNumGrupo->setEnabled(true);
}

void TFrmConfig::BitAjudaClick()
{
    dialogos_->MostrarAjuda(DirPrograma + QStringLiteral("Ortelo.hlp"));
}

void TFrmConfig::BitFecharClick()
{
    if (!PerguntarAntesDeDescartar(Textos::PerguntaAntesDeSair))
        return;
    fechamentoConfirmado_ = true;
    close();
    fechamentoConfirmado_ = false;
}
