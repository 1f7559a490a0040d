#pragma once

#include <QPushButton>

// A push button with a picture whose accelerator (Alt + the letter after "&") works like a
// mouse press: the button takes the keyboard focus first, then clicks at once.
class TBitBtn : public QPushButton {
    Q_OBJECT

public:
    TBitBtn(const QString& legenda, const QIcon& icone, QWidget* parent = nullptr);

protected:
    bool event(QEvent* evento) override;
};
