#pragma once

#include <QRadioButton>

// One item of a TRadioGroup: a radio button whose accelerator takes the focus and selects
// the item at once, as a mouse press does.
class TItemRadio : public QRadioButton {
    Q_OBJECT

public:
    explicit TItemRadio(const QString& texto, QWidget* parent = nullptr);

protected:
    bool event(QEvent* evento) override;
};
