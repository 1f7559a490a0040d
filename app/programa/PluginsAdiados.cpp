#include "PluginsAdiados.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>

namespace {

// Holds the plugin folders while they are set aside, and gives them back after the first paint.
class DevolucaoDosPlugins : public QObject {
public:
    explicit DevolucaoDosPlugins(QWidget& janela) : QObject(&janela), pastas_(QCoreApplication::libraryPaths())
    {
        QCoreApplication::setLibraryPaths({});
        janela.installEventFilter(this);
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint) {
            objeto->removeEventFilter(this);
            // Queued, so the children of the window paint in the same frame first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QCoreApplication::setLibraryPaths(pastas_);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QStringList pastas_;
};

}  // namespace

void AdiarPluginsAtePrimeiraPintura(QWidget& janela)
{
    new DevolucaoDosPlugins(janela);
}
