#include "TImagemCartao.h"

#include "Cartao.h"
#include "DescricaoCelula.h"
#include "Geometria.h"
#include "SuperficieImagem.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// A colour the card never uses, so the cursor cannot be taken for a cell's own frame or fill.
const QColor CorCursor(0, 0, 255);

// Lines lie every 9 pixels on the picture.
constexpr int PassoLinha = 9;

}  // namespace

TImagemCartao::TImagemCartao(const QImage& imagem, const TCartao& cartao, QWidget* pai)
    : QWidget(pai), imagem_(imagem), cartao_(cartao)
{
    setFixedSize(LarguraCartao, AlturaCartao);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only Tab brings the focus here: a mouse press keeps the focus where it was, as before.
    setFocusPolicy(Qt::TabFocus);
}

QString TImagemCartao::DescricaoCursor() const
{
    return DescreverCelula(cartao_, linha_, coluna_);
}

QString TImagemCartao::DescricaoDaCelula(int linha, int coluna) const
{
    return DescreverCelula(cartao_, linha, coluna);
}

int TImagemCartao::CelulasVisiveis() const
{
    return LinhasDoCartao() * ColunasPorLinha;
}

int TImagemCartao::IndiceCursor() const
{
    return (linha_ - 1) * ColunasPorLinha + (coluna_ - 1);
}

int TImagemCartao::LinhasDoCartao() const
{
    return std::clamp(cartao_.NumLinhas, 1, MaxLinhas);
}

int TImagemCartao::LinhasPorPagina() const
{
    // The parent is the scroll box's viewport: a page is what it shows at once.
    const int alturaVisivel = parentWidget() ? parentWidget()->height() : height();
    return std::max(1, alturaVisivel / PassoLinha);
}

// Around the cell, on the gaps between cells, so the cell's own frame and fill stay visible: the
// one-pixel gap above and below, two of the three pixels between columns at the sides.
QRect TImagemCartao::AreaCursor() const
{
    const Retangulo celula = RetanguloCelula(linha_, coluna_);
    return QRect(QPoint(celula.Esquerda - 2, celula.Topo - 1), QPoint(celula.Direita + 1, celula.Base));
}

QRect TImagemCartao::AreaARepintar() const
{
    // On a scaled screen the cursor's device pixels may reach a fraction past its area. The
    // widget's own ratio, not the picture's: a focus change while the window goes reaches here
    // after the picture has gone.
    constexpr int margem = 2;
    return devicePixelRatioF() == 1.0 ? AreaCursor() : AreaCursor().adjusted(-margem, -margem, margem, margem);
}

// The area of AreaCursor on the device pixels of the cell itself: the gaps above and below as
// thick as a frame, twice that at the sides.
std::array<QRect, 4> TImagemCartao::LadosDoCursor() const
{
    const double escala = imagem_.devicePixelRatio();
    const Retangulo celula = RetanguloNoDispositivo(RetanguloCelula(linha_, coluna_), escala);
    const int e = EspessuraDaMoldura(escala);
    const QRect area(QPoint(celula.Esquerda - 2 * e, celula.Topo - e), QPoint(celula.Direita + 2 * e - 1, celula.Base + e - 1));
    return {QRect(area.left(), area.top(), area.width(), e), QRect(area.left(), area.bottom() - e + 1, area.width(), e),
            QRect(area.left(), area.top(), 2 * e, area.height()),
            QRect(area.right() - 2 * e + 1, area.top(), 2 * e, area.height())};
}

bool TImagemCartao::CelulaIgnorada(int indice) const
{
    return indice >= 0 && indice < CelulasDaGrade && cartao_.Mascara[indice + 1] == Mascarado;
}

void TImagemCartao::ConteudoMudou()
{
    update();
    MoverCursor(linha_, coluna_);
    AnunciarSeMudou();
}

void TImagemCartao::MoverCursor(int linha, int coluna)
{
    linha = std::clamp(linha, 1, LinhasDoCartao());
    coluna = std::clamp(coluna, 1, ColunasPorLinha);
    if (linha == linha_ && coluna == coluna_)
        return;
    update(AreaARepintar());
    linha_ = linha;
    coluna_ = coluna;
    update(AreaARepintar());
    if (hasFocus())
        emit CursorMostrado(AreaCursor());
    AnunciarSeMudou();
}

void TImagemCartao::AnunciarSeMudou()
{
    const QString descricao = DescricaoCursor();
    const int celula = IndiceCursor();
    const bool moveu = celula != celulaAnunciada_;
    if (!moveu && descricao == descricaoAnunciada_)
        return;
    celulaAnunciada_ = celula;
    descricaoAnunciada_ = descricao;
    // Screen readers speak the object that takes the focus and a new name of the focused object,
    // not a new name of an image they left: while the picture has the focus, the cursor cell, a
    // child of the picture, is what changes. Orca takes two name changes of one text as one, so
    // the picture's own goes out only when the cell's does not.
    QAccessibleEvent evento(this, hasFocus() ? (moveu ? QAccessible::Focus : QAccessible::NameChanged)
                                             : QAccessible::NameChanged);
    if (hasFocus())
        evento.setChild(celula);
    QAccessible::updateAccessibility(&evento);
    // A toggle of the focused cell is also its checked state changing: Orca speaks that with the
    // cell's new name, where Qt's name-change event reaches it without the name.
    if (hasFocus() && !moveu) {
        QAccessible::State marcada;
        marcada.checked = true;
        QAccessibleStateChangeEvent mudanca(this, marcada);
        mudanca.setChild(celula);
        QAccessible::updateAccessibility(&mudanca);
    }
}

void TImagemCartao::paintEvent(QPaintEvent* evento)
{
    // Checked here rather than on the screen's events, which Qt 6.4 does not send for every change
    // of scale: a picture for another scale would be resampled.
    if (SuperficieImagem::EscalaPara(devicePixelRatioF()) != imagem_.devicePixelRatio())
        emit EscalaDaTelaMudou(devicePixelRatioF());
    QPainter pintor(this);
    const std::array<QRect, 4> cursor = LadosDoCursor();
    PintarImagemDoCartao(pintor, evento->rect(), imagem_, hasFocus() ? std::span<const QRect>(cursor) : std::span<const QRect>(),
                         CorCursor.rgb());
}

// The cursor is the picture's point of interest: the scroll box keeps it in view when Tab
// leaves the picture, and screen magnifiers follow it.
QVariant TImagemCartao::inputMethodQuery(Qt::InputMethodQuery consulta) const
{
    if (consulta == Qt::ImCursorRectangle)
        return AreaCursor();
    return QWidget::inputMethodQuery(consulta);
}

void TImagemCartao::mousePressEvent(QMouseEvent* evento)
{
    const QPoint ponto = evento->position().toPoint();
    emit MouseDown(evento->button(), evento->modifiers(), ponto.x(), ponto.y());
}

void TImagemCartao::keyPressEvent(QKeyEvent* evento)
{
    int linha = linha_;
    int coluna = coluna_;
    switch (evento->key()) {
    case Qt::Key_Left: --coluna; break;
    case Qt::Key_Right: ++coluna; break;
    case Qt::Key_Up: --linha; break;
    case Qt::Key_Down: ++linha; break;
    case Qt::Key_Home: coluna = 1; break;
    case Qt::Key_End: coluna = ColunasPorLinha; break;
    case Qt::Key_PageUp: linha -= LinhasPorPagina(); break;
    case Qt::Key_PageDown: linha += LinhasPorPagina(); break;
    case Qt::Key_Space: {
        // A held key toggles once, as a held mouse button does.
        if (evento->isAutoRepeat())
            return;
        // A press inside the cell, by the button a mouse would use; the handler takes any button alike.
        const Retangulo celula = RetanguloCelula(linha_, coluna_);
        const Qt::MouseButton botao = evento->modifiers() & Qt::ShiftModifier ? Qt::RightButton : Qt::LeftButton;
        emit MouseDown(botao, evento->modifiers(), (celula.Esquerda + celula.Direita) / 2,
                       (celula.Topo + celula.Base) / 2);
        return;
    }
    default:
        QWidget::keyPressEvent(evento);
        return;
    }
    // Taken even at the card's edge: passed on, the scroll box would scroll away from the cursor.
    MoverCursor(linha, coluna);
}

void TImagemCartao::focusInEvent(QFocusEvent* evento)
{
    QWidget::focusInEvent(evento);
    // Taking the focus announces the picture under its cursor cell's name; the next change, a
    // move or a toggle, hands the focus to the cell itself.
    celulaAnunciada_ = -1;
    descricaoAnunciada_ = DescricaoCursor();
    update(AreaARepintar());
    emit CursorMostrado(AreaCursor());
}

void TImagemCartao::focusOutEvent(QFocusEvent* evento)
{
    QWidget::focusOutEvent(evento);
    update(AreaARepintar());
}
