#include "TSpinEdit.h"

#include "FocoSaiu.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cstdlib>

namespace {

constexpr int PassosPorPagina = 10;

}  // namespace

TSpinEdit::TSpinEdit(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    // No typed input: a read-only field also refuses paste, cut, delete and drops,
    // and its context menu offers none of them.
    lineEdit()->setReadOnly(true);
    lineEdit()->setText(QString::number(valor_));
    // The wheel changes nothing here, so it must not pull the focus (and run an edit box's
    // exit) either.
    setFocusPolicy(Qt::StrongFocus);
}

void TSpinEdit::SetValue(int valor)
{
    SetText(QString::number(valor));
}

QString TSpinEdit::Text() const
{
    return lineEdit()->text();
}

void TSpinEdit::SetText(const QString& texto)
{
    bool ok = false;
    const int valor = texto.toInt(&ok);
    if (!ok)
        return;
    const QString canonico = QString::number(valor);
    if (canonico == Text())
        return;
    valor_ = valor;
    lineEdit()->setText(canonico);
    update();  // the arrows' enabled look follows the value
    emit Change();
}

void TSpinEdit::SetMinValue(int minimo)
{
    minimo_ = minimo;
    update();
}

void TSpinEdit::SetMaxValue(int maximo)
{
    maximo_ = maximo;
    update();
}

int TSpinEdit::Limitado(long long valor) const
{
    // Tested in this order so that a minimum above the maximum cannot leave the value unbounded.
    if (valor > maximo_)
        valor = maximo_;
    if (valor < minimo_)
        valor = minimo_;
    return static_cast<int>(valor);
}

void TSpinEdit::stepBy(int passos)
{
    // Qt asks for ten steps at a time while Ctrl is held; an arrow here always steps by 1.
    if (passos != 0)
        SetValue(Limitado(static_cast<long long>(valor_) + (passos > 0 ? 1 : -1)));
}

void TSpinEdit::Passos(int passos)
{
    for (int i = 0; i < std::abs(passos); ++i) {
        const int antes = valor_;
        stepBy(passos);
        if (valor_ == antes)
            break;
    }
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    StepEnabled habilitados = StepNone;
    if (!isEnabled())
        return habilitados;
    if (Limitado(static_cast<long long>(valor_) + 1) != valor_)
        habilitados |= StepUpEnabled;
    if (Limitado(static_cast<long long>(valor_) - 1) != valor_)
        habilitados |= StepDownEnabled;
    return habilitados;
}

void TSpinEdit::keyPressEvent(QKeyEvent* evento)
{
    const bool semModificador =
        !(evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (semModificador && (evento->key() == Qt::Key_Up || evento->key() == Qt::Key_Down)) {
        // Every press and every auto-repeat is one step; Qt's own handling would accelerate.
        stepBy(evento->key() == Qt::Key_Up ? 1 : -1);
        evento->accept();
        return;
    }
    if (semModificador && (evento->key() == Qt::Key_PageUp || evento->key() == Qt::Key_PageDown)) {
        // Long cards: ten single steps, so every Change handler sees the moves it always sees.
        const int passos = evento->key() == Qt::Key_PageUp ? PassosPorPagina : -PassosPorPagina;
        const auto dar = [this, passos] { Passos(passos); };
        if (agrupador_)
            agrupador_(dar);
        else
            dar();
        evento->accept();
        return;
    }
    // Digits, Delete, Backspace, paste, Enter...: nothing changes the value here;
    // the window may still use the key.
    evento->ignore();
}

void TSpinEdit::wheelEvent(QWheelEvent* evento)
{
    // Only the arrows step; the wheel scrolls whatever holds the control.
    evento->ignore();
}

void TSpinEdit::focusOutEvent(QFocusEvent* evento)
{
    QAbstractSpinBox::focusOutEvent(evento);
    if (FocoSaiuDeFato(*this, *evento))
        SetValue(Limitado(valor_));
}
