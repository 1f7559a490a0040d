// Crash recovery: while the card has unsaved changes the session keeps it in its recovery slot; at
// the next start the cards that copies no longer running left are offered back, newest first.

#include "TFrmConfig.h"

#include "ArquivoCfg.h"
#include "TBitBtn.h"
#include "Textos.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

void TFrmConfig::OferecerRecuperacao()
{
    for (RecuperacaoDeixada& deixada : sessao_->RecuperacoesDeixadas(Cartao)) {
        const QString caminho = QFile::decodeName(QByteArray::fromStdString(deixada.Caminho));
        const QString nome = QFileInfo(caminho).fileName();
        const QString pergunta = nome.isEmpty() ? Textos::PerguntaRecuperarCartaoNovo
                                                : Textos::PerguntaRecuperarArquivo.arg(nome);
        if (!dialogos_->PerguntarSimNao(pergunta)) {
            sessao_->Descartar(deixada);
            continue;
        }
        // The unsaved mark measures against what the original file holds, shown as Open would
        // show it; then the card taken back is shown over it, under the file's name.
        std::optional<TCartao> doArquivo;
        if (!deixada.Caminho.empty()) {
            try {
                LerArquivoCfg(deixada.Caminho, Cartao);
                MostrarCartaoLido(caminho);
                doArquivo = Cartao;
            } catch (const std::exception&) {
            }
        }
        Cartao = deixada.Cartao;
        MostrarCartaoLido(caminho);
        sessao_->Recuperado(deixada.Caminho, doArquivo);
        sessao_->HistoricoDeEdicao().Reiniciar();
        MarcarNaoSalvo();
        recuperacaoAceita_ = true;
        // The cards of older slots wait for the next start.
        sessao_->Adotar(std::move(deixada));
        break;
    }
    sessao_->TomarVaga();
}

void TFrmConfig::AvisarSemRecuperacao()
{
    dialogos_->Avisar(Textos::RecuperacaoIndisponivel);
}
