#include "AtalhoImediato.h"

#include <QAbstractButton>
#include <QPointer>
#include <QShortcutEvent>

void AcionarComoMouse(QAbstractButton& botao)
{
    if (!botao.isEnabled())
        return;
    QPointer<QAbstractButton> guarda(&botao);
    if (botao.focusPolicy() != Qt::NoFocus)
        botao.setFocus(Qt::ShortcutFocusReason);
    // The exit handler that just ran may have disabled or even deleted the button.
    if (guarda)
        botao.click();
}

bool TratarAtalhoImediato(QAbstractButton& botao, QEvent* evento)
{
    if (evento->type() != QEvent::Shortcut)
        return false;
    // A letter shared by several controls keeps Qt's behaviour: each press moves the focus on.
    if (static_cast<QShortcutEvent*>(evento)->isAmbiguous())
        return false;
    AcionarComoMouse(botao);
    return true;
}
