#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A titled box of radio items laid out in columns, filled column by column.
// Click is raised whenever the selected item changes, with ItemIndex already in place:
// by the operator (mouse, arrow keys, accelerator) or by SetItemIndex from code.
// Choosing the item already selected raises nothing.
// Tab and Shift+Tab enter the group on its selected item (the first one while none is).
class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    // Item texts may carry an "&" before their accelerator letter. No item starts selected.
    TRadioGroup(const QString& titulo, const QStringList& itens, int colunas,
                QWidget* parent = nullptr);

    // -1 when no item is selected.
    int ItemIndex() const { return indice_; }
    // An index outside the items means no item (-1).
    void SetItemIndex(int indice);

    QRadioButton* Botao(int indice) const;

signals:
    void Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void ItemMarcado(int indice);
    void DefinirParadaTab();

    QButtonGroup* grupo_ = nullptr;
    QList<QRadioButton*> botoes_;
    int indice_ = -1;
};
