#include "TEdit.h"

#include "FocoSaiu.h"

#include <QFocusEvent>

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void TEdit::focusOutEvent(QFocusEvent* evento)
{
    QLineEdit::focusOutEvent(evento);
    if (FocoSaiuDeFato(*this, *evento))
        emit Exit();
}
