#pragma once

// Turns the mouse wheel over a widget as the window system would, so that Qt's focus-on-wheel
// rules apply (they act only on events that come from the system).

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>

inline void GirarRoda(QWidget& alvo, int graus8 = 120)
{
    const QPointF centro = alvo.rect().center();
    QWheelEvent roda(centro, alvo.mapToGlobal(centro), QPoint(), QPoint(0, graus8), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&roda);
    QApplication::instance()->notify(&alvo, &roda);
}
