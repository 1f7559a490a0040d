#include "LetrasLogo.h"

#include <QPainterPathStroker>
#include <QRectF>

namespace {

// Centre line of a letter whose stroke centres run from y = 0 to y = h; returns its width.
// The face is wide and geometric: straight strokes, corners rounded with one radius.
qreal TracarLetra(QChar letra, qreal h, QPainterPath& p)
{
    const qreal r = 0.36 * h;  // corner radius of the centre line
    auto canto = [&p](qreal cx, qreal cy, qreal raio, qreal inicio, qreal arco) {
        p.arcTo(QRectF(cx - raio, cy - raio, 2 * raio, 2 * raio), inicio, arco);
    };
    switch (letra.unicode()) {
    case 'P': {
        const qreal w = 1.0 * h, b = 0.56 * h, rb = 0.5 * b;
        p.moveTo(0, h);
        p.lineTo(0, 0);
        p.lineTo(w - rb, 0);
        canto(w - rb, rb, rb, 90, -90);
        canto(w - rb, b - rb, rb, 0, -90);
        p.lineTo(0, b);
        return w;
    }
    case 'E': {
        const qreal w = 0.9 * h;
        p.moveTo(w, 0);
        p.lineTo(0, 0);
        p.lineTo(0, h);
        p.lineTo(w, h);
        p.moveTo(0, h / 2);
        p.lineTo(0.8 * w, h / 2);
        return w;
    }
    case 'L': {
        const qreal w = 0.85 * h;
        p.moveTo(0, 0);
        p.lineTo(0, h);
        p.lineTo(w, h);
        return w;
    }
    case 'U': {
        const qreal w = 1.12 * h;
        p.moveTo(0, 0);
        p.lineTo(0, h - r);
        canto(r, h - r, r, 180, 90);
        p.lineTo(w - r, h);
        canto(w - r, h - r, r, 270, 90);
        p.lineTo(w, 0);
        return w;
    }
    case 'N': {
        const qreal w = 1.12 * h;
        p.moveTo(0, h);
        p.lineTo(0, 0);
        p.lineTo(w, h);
        p.lineTo(w, 0);
        return w;
    }
    case 'C': {
        const qreal w = 1.05 * h;
        p.moveTo(w, 0);
        p.lineTo(r, 0);
        canto(r, r, r, 90, 90);
        p.lineTo(0, h - r);
        canto(r, h - r, r, 180, 90);
        p.lineTo(w, h);
        return w;
    }
    case 'A': {
        const qreal w = 1.12 * h;
        p.moveTo(0, h);
        p.lineTo(0, r);
        canto(r, r, r, 180, -90);
        p.lineTo(w - r, 0);
        canto(w - r, r, r, 90, -90);
        p.lineTo(w, h);
        p.moveTo(0, 0.56 * h);
        p.lineTo(w, 0.56 * h);
        return w;
    }
    default:
        return 0.9 * h;
    }
}

}  // namespace

QPainterPath ContornoPalavra(const QString& palavra, qreal altura, qreal traco, qreal espaco)
{
    // Stroke centres sit half a stroke inside the letter's box.
    const qreal h = altura - traco;
    QPainterPathStroker stroker;
    stroker.setWidth(traco);
    stroker.setCapStyle(Qt::SquareCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(8);

    QPainterPath palavraInteira;
    qreal x = 0;
    for (const QChar letra : palavra) {
        QPainterPath centro;
        const qreal largura = TracarLetra(letra, h, centro);
        // Cut the miter spikes and square caps back to the cap line and the base line.
        const QRectF faixa(-traco, -traco / 2, largura + 2 * traco, h + traco);
        QPainterPath recorte;
        recorte.addRect(faixa);
        QPainterPath corpo = stroker.createStroke(centro).intersected(recorte);
        corpo.translate(x + traco / 2, traco / 2);
        palavraInteira = palavraInteira.united(corpo);
        x += largura + traco + espaco;
    }
    return palavraInteira.simplified();
}
