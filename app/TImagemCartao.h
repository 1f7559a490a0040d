#pragma once

#include <QImage>
#include <QWidget>

// Shows the card picture at its own size and reports mouse presses in picture coordinates.
class TImagemCartao : public QWidget {
    Q_OBJECT
public:
    TImagemCartao(const QImage& imagem, QWidget* pai);

signals:
    void MouseDown(Qt::MouseButton botao, Qt::KeyboardModifiers teclas, int x, int y);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    const QImage& imagem_;
};
