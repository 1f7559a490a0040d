#include "ArquivoSoltado.h"

#include "CaminhoDoSistema.h"
#include "NomeDeDispositivo.h"
#include "Plataforma.h"
#include "Textos.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

bool PodeCopiar(const QDropEvent* evento)
{
    return evento->possibleActions() & Qt::CopyAction;
}

}  // namespace

Soltura AnalisarSoltura(const QMimeData* dados)
{
    if (!dados || !dados->hasUrls())
        return {};
    const QList<QUrl> enderecos = dados->urls();
    if (enderecos.isEmpty())
        return {};
    if (enderecos.size() > 1)
        return {std::nullopt, Textos::SolturaDeVariosArquivos};
    const QUrl& endereco = enderecos.front();
    if (!EnderecoAbrivel(endereco))
        return {std::nullopt, Textos::SolturaDeOutroComputador.arg(endereco.toDisplayString())};
    const QString caminho = CaminhoDoEndereco(endereco);
    if (caminho.isEmpty())
        return {};
    if (const auto recusa = RecusaDeDispositivo(BytesDoCaminho(caminho).toStdString()))
        return {std::nullopt, QString::fromStdString(*recusa)};
    if (caminho.endsWith(QLatin1Char('/')) || EhPasta(caminho))
        return {std::nullopt, Textos::SolturaDePasta.arg(CaminhoParaMostrar(caminho))};
    return {caminho, {}};
}

SoltarArquivo::SoltarArquivo(QWidget* janela, std::function<void(const QString&)> abrir,
                             std::function<void(const QString&)> avisar)
    : QObject(janela), abrir_(std::move(abrir)), avisar_(std::move(avisar))
{
    janela->setAcceptDrops(true);
    janela->installEventFilter(this);
    for (QLineEdit* caixa : janela->findChildren<QLineEdit*>())
        caixa->installEventFilter(this);
}

bool SoltarArquivo::eventFilter(QObject* alvo, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* arrasto = static_cast<QDragMoveEvent*>(evento);
        const Soltura soltura = AnalisarSoltura(arrasto->mimeData());
        if (!PodeCopiar(arrasto) || (!soltura.Arquivo && soltura.Recusa.isEmpty()))
            break;
        arrasto->setDropAction(Qt::CopyAction);
        arrasto->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* soltar = static_cast<QDropEvent*>(evento);
        const Soltura soltura = AnalisarSoltura(soltar->mimeData());
        if (!PodeCopiar(soltar) || (!soltura.Arquivo && soltura.Recusa.isEmpty()))
            break;
        // The drag source waits for the drop to end: the question and the messages come after.
        if (soltura.Arquivo) {
            soltar->setDropAction(Qt::CopyAction);
            soltar->accept();
            QMetaObject::invokeMethod(this, [this, arquivo = *soltura.Arquivo] { abrir_(arquivo); }, Qt::QueuedConnection);
        } else {
            // Nothing was taken, and the source learns so.
            soltar->setDropAction(Qt::IgnoreAction);
            soltar->ignore();
            QMetaObject::invokeMethod(this, [this, recusa = soltura.Recusa] { avisar_(recusa); }, Qt::QueuedConnection);
        }
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(alvo, evento);
}
