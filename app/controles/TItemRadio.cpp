#include "TItemRadio.h"

#include "AtalhoImediato.h"

TItemRadio::TItemRadio(const QString& texto, QWidget* parent)
    : QRadioButton(texto, parent)
{
}

bool TItemRadio::event(QEvent* evento)
{
    return TratarAtalhoImediato(*this, evento) || QRadioButton::event(evento);
}
