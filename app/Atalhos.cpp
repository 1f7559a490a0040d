// The desktop's usual keys for the file commands, help and close, beside the buttons' own
// Alt+letter accelerators.

#include "TFrmConfig.h"

#include "AtalhoImediato.h"
#include "TBitBtn.h"

#include <QKeySequence>
#include <QShortcut>

#include <utility>

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
}
