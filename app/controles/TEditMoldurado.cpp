#include "TEditMoldurado.h"

#include <QPainter>

TEditMoldurado::TEditMoldurado(const QColor& fundo, QWidget* pai) : QLineEdit(pai)
{
    // No style frame: the frame is the black rectangle, and the text keeps one pixel away from it.
    setFrame(false);
    setTextMargins(1, 1, 1, 1);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, fundo);
    setPalette(paleta);
}

void TEditMoldurado::paintEvent(QPaintEvent* evento)
{
    QLineEdit::paintEvent(evento);
    QPainter pintor(this);
    pintor.setPen(Qt::black);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
}
