#include "TImagemCartao.h"

#include "SuperficieImagem.h"

#include <QMouseEvent>
#include <QPainter>

TImagemCartao::TImagemCartao(const QImage& imagem, QWidget* pai) : QWidget(pai), imagem_(imagem)
{
    setFixedSize(imagem.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImagemCartao::paintEvent(QPaintEvent* evento)
{
    QPainter pintor(this);
    PintarImagemDoCartao(pintor, evento->rect(), imagem_);
}

void TImagemCartao::mousePressEvent(QMouseEvent* evento)
{
    const QPoint ponto = evento->position().toPoint();
    emit MouseDown(evento->button(), evento->modifiers(), ponto.x(), ponto.y());
}
