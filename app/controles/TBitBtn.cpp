#include "TBitBtn.h"

#include "AtalhoImediato.h"

TBitBtn::TBitBtn(const QString& legenda, const QIcon& icone, QWidget* parent)
    : QPushButton(icone, legenda, parent)
{
}

bool TBitBtn::event(QEvent* evento)
{
    return TratarAtalhoImediato(*this, evento) || QPushButton::event(evento);
}
