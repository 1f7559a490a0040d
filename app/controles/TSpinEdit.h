#pragma once

#include <QAbstractSpinBox>

#include <functional>

// A spin edit with the classic event model, unlike QSpinBox:
// - writing a text (or value) that differs from the shown one raises Change inside the setter;
// - changing the minimum or maximum never touches the value nor raises anything, so the value
//   may lie outside the bounds until the keyboard focus leaves, when it takes the nearer bound;
// - it takes no typed text: only the arrows (buttons, Up and Down keys) change it, one step of 1
//   per press or repeat, always held within [MinValue, MaxValue], each step raising Change;
//   Page Up and Page Down make ten such steps at once, stopping at a bound.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    // Starts at value 0 with both bounds 0.
    explicit TSpinEdit(QWidget* parent = nullptr);

    int Value() const { return valor_; }
    void SetValue(int valor);

    // The value as decimal text. A text that is no decimal integer is ignored.
    QString Text() const;
    void SetText(const QString& texto);

    int MinValue() const { return minimo_; }
    void SetMinValue(int minimo);
    int MaxValue() const { return maximo_; }
    void SetMaxValue(int maximo);

    // One step of 1 in the direction of passos, whatever its size.
    void stepBy(int passos) override;
    // Up to `passos` steps of 1 (down when negative), each raising Change, stopping where the
    // value no longer moves: at a bound, or where a Change handler put it back.
    void Passos(int passos);

    // Runs the steps of one Page key as a single action of the window (one undo step); by
    // default they simply run.
    using Agrupador = std::function<void(const std::function<void()>&)>;
    void SetAgrupador(Agrupador agrupador) { agrupador_ = std::move(agrupador); }

    // A spin edit always shows its value: there is nothing to clear.
    void clear() override {}

signals:
    void Change();

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    int Limitado(long long valor) const;

    Agrupador agrupador_;
    int valor_ = 0;
    int minimo_ = 0;
    int maximo_ = 0;
};
