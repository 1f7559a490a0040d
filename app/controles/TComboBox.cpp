#include "TComboBox.h"

#include <QWheelEvent>

TComboBox::TComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // activated, unlike currentIndexChanged, never comes from setCurrentIndex.
    connect(this, &QComboBox::activated, this, &TComboBox::Change);
    setFocusPolicy(Qt::StrongFocus);
}

void TComboBox::wheelEvent(QWheelEvent* evento)
{
    // A wheel turned over a list on its way elsewhere must not change the card.
    if (!hasFocus()) {
        evento->ignore();
        return;
    }
    QComboBox::wheelEvent(evento);
}
