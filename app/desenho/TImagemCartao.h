#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>

struct TCartao;

// Shows the card picture at its own size and reports mouse presses in picture coordinates.
// It is also a tab stop with a keyboard cursor on one cell of the card's lines: the arrows,
// Home/End and Page Up/Down move it, and Space reports a press on that cell (Shift+Space a
// right-button press), so the keyboard goes through the very handler the mouse does. The cursor
// is drawn over the picture, never into it, and only while the picture has the focus.
//
// The picture comes in the screen's own pixels (its device pixel ratio): a screen of another scale
// asks for it again before it is painted, and the cursor is placed on those pixels too.
class TImagemCartao : public QWidget {
    Q_OBJECT
public:
    TImagemCartao(const QImage& imagem, const TCartao& cartao, QWidget* pai);

    int LinhaCursor() const { return linha_; }
    int ColunaCursor() const { return coluna_; }
    // The cursor cell as a screen reader says it.
    QString DescricaoCursor() const;
    QString DescricaoDaCelula(int linha, int coluna) const;
    // The cells of the card's lines, as assistive technology sees them: twelve a line, from 0.
    int CelulasVisiveis() const;
    int IndiceCursor() const;
    // Whether the reader ignores the cell of that index: a mask cell set to "1".
    bool CelulaIgnorada(int indice) const;

    // To be called after the picture or the card changed: repaints, keeps the cursor within the
    // card's lines and tells assistive technology when the cursor cell now reads differently.
    void ConteudoMudou();

    QVariant inputMethodQuery(Qt::InputMethodQuery consulta) const override;

signals:
    void MouseDown(Qt::MouseButton botao, Qt::KeyboardModifiers teclas, int x, int y);
    // The area of the cursor frame after a move or on taking the focus, for the scroll box to show.
    void CursorMostrado(const QRect& area);
    // The picture is about to be painted on a screen of another scale: it is to be drawn for that
    // device pixel ratio before the paint goes on.
    void EscalaDaTelaMudou(double razaoDoDispositivo);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    int LinhasDoCartao() const;
    int LinhasPorPagina() const;
    QRect AreaCursor() const;
    // What a change of the cursor repaints: its area and the device pixels round it.
    QRect AreaARepintar() const;
    // The cursor's four sides in the picture's device pixels.
    std::array<QRect, 4> LadosDoCursor() const;
    void MoverCursor(int linha, int coluna);
    void AnunciarSeMudou();

    const QImage& imagem_;
    const TCartao& cartao_;
    int linha_ = 1;
    int coluna_ = 1;
    QString descricaoAnunciada_;
    int celulaAnunciada_ = 0;
};
