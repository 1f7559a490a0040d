#pragma once

#include <QLineEdit>

// An edit box that raises Exit when the keyboard focus leaves it for another control, including
// by a mouse press or an accelerator elsewhere in the window. The window losing activation, a
// popup such as its context menu, or the box being disabled raises nothing.
class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);

signals:
    void Exit();

protected:
    void focusOutEvent(QFocusEvent* evento) override;
};
