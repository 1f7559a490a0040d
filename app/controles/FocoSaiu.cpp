#include "FocoSaiu.h"

#include <QFocusEvent>
#include <QWidget>

bool FocoSaiuDeFato(const QWidget& controle, const QFocusEvent& evento)
{
    switch (evento.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return false;
    default:
        // Qt moves the focus away from a control it disables; enabling and disabling raise nothing.
        return controle.isEnabled();
    }
}
