#pragma once

#include <QComboBox>

// A drop-down list whose Change comes only from the operator picking an entry (mouse or keys),
// with the new index in place. Setting the index from code raises nothing.
// While no item is selected it shows its placeholder text (setPlaceholderText), if any.
// The wheel picks entries only while the list has the focus; it never takes the focus.
// The entries of the open list are AlturaItens pixels high, as in the classic control, not the
// style's taller menu rows.
class TComboBox : public QComboBox {
    Q_OBJECT

public:
    static constexpr int AlturaItens = 16;

    explicit TComboBox(QWidget* parent = nullptr);

    // -1 when no item is selected.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int indice) { setCurrentIndex(indice); }

    // Sets the entries' height first: the open list is made on its first opening, not with the
    // control, so three hidden lists (a quarter of the window's widgets) cost nothing at start-up.
    void showPopup() override;

signals:
    void Change();

protected:
    void wheelEvent(QWheelEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    bool alturaPosta_ = false;
};
