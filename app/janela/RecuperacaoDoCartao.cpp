// Crash recovery: while the card has unsaved changes the session keeps it in its recovery slot; at
// the next start the cards that copies no longer running left are offered back, newest first.

#include "TFrmConfig.h"

#include "ArquivoCfg.h"
#include "Plataforma.h"
#include "TBitBtn.h"
#include "Textos.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <exception>

namespace {

QString PerguntaDaRecuperacao(const RecuperacaoDeixada& deixada, const QString& caminho)
{
    const QDateTime quando = QDateTime::fromMSecsSinceEpoch(deixada.Quando / 1'000'000);
    const QString data = QLocale().toString(quando, QStringLiteral("dd/MM/yyyy 'às' HH:mm"));
    const QString nome = QFileInfo(caminho).fileName();
    if (nome.isEmpty())
        return Textos::PerguntaRecuperarCartaoNovo.arg(data);
    return (deixada.ArquivoMaisNovo ? Textos::PerguntaRecuperarArquivoMaisNovo : Textos::PerguntaRecuperarArquivo)
        .arg(nome, data);
}

}  // namespace

void TFrmConfig::OferecerRecuperacao()
{
    // Whatever fails on the way, the card on screen is still protected from here on.
    try {
        OferecerCartoesDeixados();
    } catch (...) {
        sessao_->TomarVaga();
        throw;
    }
    sessao_->TomarVaga();
}

void TFrmConfig::OferecerCartoesDeixados()
{
    for (RecuperacaoDeixada& deixada : sessao_->RecuperacoesDeixadas(Cartao)) {
        const QString caminho = CaminhoDosBytes(deixada.Caminho);
        if (!dialogos_->PerguntarSimNao(PerguntaDaRecuperacao(deixada, caminho))) {
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
        BitSalvar->setEnabled(!sessao_->IgualAoSalvo(Cartao));
        recuperacaoAceita_ = true;
        // The cards of older slots wait for the next start.
        sessao_->Adotar(std::move(deixada));
        break;
    }
}

void TFrmConfig::AvisarSemRecuperacao()
{
    dialogos_->Avisar(Textos::RecuperacaoIndisponivel);
}
