#include "TComboBox.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <QWheelEvent>

namespace {

// Plain-text entries of a fixed height.
class DelegadoAlturaFixa : public QStyledItemDelegate {
public:
    DelegadoAlturaFixa(int altura, QObject* pai) : QStyledItemDelegate(pai), altura_(altura) {}

    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        return {QStyledItemDelegate::sizeHint(opcao, indice).width(), altura_};
    }

private:
    int altura_;
};

}  // namespace

TComboBox::TComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // activated, unlike currentIndexChanged, never comes from setCurrentIndex.
    connect(this, &QComboBox::activated, this, &TComboBox::Change);
    setFocusPolicy(Qt::StrongFocus);
}

void TComboBox::showPopup()
{
    if (!alturaPosta_) {
        setItemDelegate(new DelegadoAlturaFixa(AlturaItens, this));
        alturaPosta_ = true;
    }
    QComboBox::showPopup();
}

void TComboBox::changeEvent(QEvent* evento)
{
    // QComboBox hands a new font to its open list and makes the list to do so, so every list
    // would be made as the window gives its controls their fonts. Before the control is first
    // shown nothing has been measured with the old font, and a list made later takes the
    // control's font as its child.
    if (evento->type() == QEvent::FontChange && !testAttribute(Qt::WA_WState_Polished) &&
        findChild<QAbstractItemView*>() == nullptr) {
        QWidget::changeEvent(evento);
        return;
    }
    QComboBox::changeEvent(evento);
}

void TComboBox::wheelEvent(QWheelEvent* evento)
{
    // A wheel turned over a list on its way elsewhere must not change the card.
    if (!hasFocus()) {
        evento->ignore();
        return;
    }
    QComboBox::wheelEvent(evento);
}
