#pragma once

#include <QAbstractSpinBox>

// A spin edit with the classic event model, unlike QSpinBox:
// - writing a text (or value) that differs from the shown one raises Change inside the setter;
// - changing the minimum or maximum never touches the value nor raises anything, so the value
//   may lie outside the bounds until the keyboard focus leaves, when it takes the nearer bound;
// - it takes no typed text: only the arrows (buttons, Up and Down keys) change it, one step of 1
//   per press or repeat, always held within [MinValue, MaxValue], each step raising Change.
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

    int valor_ = 0;
    int minimo_ = 0;
    int maximo_ = 0;
};
