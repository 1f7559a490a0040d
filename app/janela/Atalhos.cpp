// The desktop's usual keys for the file commands, help and close, beside the buttons' own
// Alt+letter accelerators, and the keys of undo and redo.

#include "TFrmConfig.h"

#include "AtalhoImediato.h"
#include "TBitBtn.h"
#include "TEdit.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>

#include <utility>

namespace {

const QKeySequence TeclaDesfazer(Qt::CTRL | Qt::Key_Z);
const QKeySequence TeclasRefazer[] = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

// An edit box keeps undo keys for its own typing; in this window they take back whole actions.
class CederDesfazer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override
    {
        if (evento->type() == QEvent::ShortcutOverride) {
            const QKeySequence tecla(static_cast<QKeyEvent*>(evento)->keyCombination());
            if (tecla == TeclaDesfazer || tecla == TeclasRefazer[0] || tecla == TeclasRefazer[1]) {
                evento->ignore();
                return true;
            }
        }
        return QObject::eventFilter(alvo, evento);
    }
};

}  // namespace

void TFrmConfig::CriarAtalhos()
{
    const std::pair<QKeySequence, TBitBtn*> atalhos[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), BitNovo},   {QKeySequence(Qt::CTRL | Qt::Key_O), BitAbrir},
        {QKeySequence(Qt::CTRL | Qt::Key_S), BitSalvar}, {QKeySequence(Qt::CTRL | Qt::Key_Q), BitFechar},
        {QKeySequence(Qt::Key_F1), BitAjuda},
    };
    // Each key does exactly what a mouse click on its button does: the button takes the focus
    // first, so a name being typed is stored before the command, and a disabled button does nothing.
    for (const auto& [tecla, botao] : atalhos)
        connect(new QShortcut(tecla, this), &QShortcut::activated, botao, [botao] { AcionarComoMouse(*botao); });

    connect(new QShortcut(TeclaDesfazer, this), &QShortcut::activated, this, [this] { Proteger([this] { Desfazer(); }); });
    for (const QKeySequence& tecla : TeclasRefazer)
        connect(new QShortcut(tecla, this), &QShortcut::activated, this, [this] { Proteger([this] { Refazer(); }); });
    EdtNome->installEventFilter(new CederDesfazer(EdtNome));
}
