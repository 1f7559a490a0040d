// Crash recovery: while the card has unsaved changes it is kept in the recovery file, written
// shortly after each change; at the next start a card left there is offered back.

#include "TFrmConfig.h"

#include "ArquivoCfg.h"
#include "Recuperacao.h"
#include "TBitBtn.h"
#include "TSpinEdit.h"
#include "Textos.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

namespace {

// Changes made within this time go to the disk together; a crash loses at most this much.
constexpr int AtrasoRecuperacaoMs = 500;

}  // namespace

void TFrmConfig::OferecerRecuperacao()
{
    recuperacao_ = std::make_unique<TRecuperacao>(DirPrograma);
    const auto achado = recuperacao_->Encontrar(Cartao);
    if (!achado)
        return;
    const QString caminho = QFile::decodeName(QByteArray::fromStdString(achado->Caminho));
    const QString nome = QFileInfo(caminho).fileName();
    const QString pergunta = nome.isEmpty() ? Textos::PerguntaRecuperarCartaoNovo
                                            : Textos::PerguntaRecuperarArquivo.arg(nome);
    if (!dialogos_->PerguntarSimNao(pergunta)) {
        recuperacao_->Descartar();
        return;
    }
    // Shown as Open shows a file read, but marked unsaved under the original file's name.
    Cartao = achado->Cartao;
    arquivoAtual_ = caminho;
    MostrarNomeArquivo(caminho);
    AlinharControlesAoCartao();
    SpeNumGrupo->SetText(QStringLiteral("1"));
    SpeNumGrupoChange();
    if (Cartao.NumGrupos > 1)
        SpeNumGrupo->setEnabled(true);
    historico_.Reiniciar();
    MarcarNaoSalvo();
    haRecuperacao_ = true;
}

void TFrmConfig::AgendarRecuperacao()
{
    if (BitSalvar->isEnabled()) {
        if (!temporizadorRecuperacao_->isActive())
            temporizadorRecuperacao_->start(AtrasoRecuperacaoMs);
    } else if (haRecuperacao_ || temporizadorRecuperacao_->isActive()) {
        DescartarRecuperacao();
    }
}

void TFrmConfig::GuardarRecuperacao()
{
    if (!recuperacao_ || !BitSalvar->isEnabled())
        return;
    // Only the bytes are made here; the disk is the recovery thread's business.
    recuperacao_->Guardar(ConteudoArquivoCfg(Cartao), QFile::encodeName(arquivoAtual_).toStdString());
    haRecuperacao_ = true;
}

void TFrmConfig::GuardarRecuperacaoAgora()
{
    if (temporizadorRecuperacao_->isActive()) {
        temporizadorRecuperacao_->stop();
        GuardarRecuperacao();
    }
    if (recuperacao_)
        recuperacao_->Esperar();
}

void TFrmConfig::DescartarRecuperacao()
{
    temporizadorRecuperacao_->stop();
    if (recuperacao_)
        recuperacao_->Descartar();
    haRecuperacao_ = false;
}

void TFrmConfig::EncerrarRecuperacao()
{
    // The operator chose at the close: nothing is left behind, and nothing more is written.
    DescartarRecuperacao();
    recuperacao_.reset();
}
