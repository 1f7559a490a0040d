#include "ArquivoSoltado.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

std::optional<QString> ArquivoLocalUnico(const QMimeData* dados)
{
    if (!dados || !dados->hasUrls())
        return std::nullopt;
    const QList<QUrl> enderecos = dados->urls();
    if (enderecos.size() != 1 || !enderecos.front().isLocalFile())
        return std::nullopt;
    const QString caminho = enderecos.front().toLocalFile();
    if (caminho.isEmpty())
        return std::nullopt;
    return caminho;
}

SoltarArquivo::SoltarArquivo(QWidget* janela, std::function<void(const QString&)> abrir)
    : QObject(janela), abrir_(std::move(abrir))
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
        if (!ArquivoLocalUnico(arrasto->mimeData()))
            break;
        arrasto->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* soltura = static_cast<QDropEvent*>(evento);
        const auto caminho = ArquivoLocalUnico(soltura->mimeData());
        if (!caminho)
            break;
        soltura->acceptProposedAction();
        // The drag source waits for the drop to end: the question and the messages come after.
        QMetaObject::invokeMethod(this, [this, arquivo = *caminho] { abrir_(arquivo); }, Qt::QueuedConnection);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(alvo, evento);
}
