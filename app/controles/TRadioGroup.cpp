#include "TRadioGroup.h"

#include "TItemRadio.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>

#include <algorithm>

TRadioGroup::TRadioGroup(const QString& titulo, const QStringList& itens, int colunas,
                         QWidget* parent)
    : QGroupBox(titulo, parent)
    , grupo_(new QButtonGroup(this))
{
    colunas = std::max(1, colunas);
    const int porColuna = std::max(1, static_cast<int>((itens.size() + colunas - 1) / colunas));

    auto* grade = new QGridLayout(this);
    grade->setContentsMargins(6, 0, 6, 0);
    grade->setSpacing(0);
    for (int i = 0; i < itens.size(); ++i) {
        auto* botao = new TItemRadio(itens[i], this);
        grupo_->addButton(botao, i);
        grade->addWidget(botao, i % porColuna, i / porColuna);
        botao->installEventFilter(this);
        botoes_.append(botao);
    }
    DefinirParadaTab();
    // Columns share the box's width evenly, rows its height.
    for (int c = 0; c < colunas; ++c)
        grade->setColumnStretch(c, 1);
    for (int l = 0; l < porColuna; ++l)
        grade->setRowStretch(l, 1);

    // Fires for code and operator alike; SetItemIndex stores its index first, so only the
    // operator's choices get here with a new index.
    connect(grupo_, &QButtonGroup::idToggled, this, [this](int indice, bool marcado) {
        if (marcado)
            ItemMarcado(indice);
    });
}

void TRadioGroup::ItemMarcado(int indice)
{
    if (indice == indice_)
        return;
    indice_ = indice;
    DefinirParadaTab();
    emit Click();
}

void TRadioGroup::SetItemIndex(int indice)
{
    if (indice < 0 || indice >= botoes_.size())
        indice = -1;
    if (indice == indice_)
        return;

    const int anterior = indice_;
    indice_ = indice;
    if (indice >= 0) {
        botoes_[indice]->setChecked(true);
    } else {
        // An exclusive group never lets its last checked button go.
        grupo_->setExclusive(false);
        botoes_[anterior]->setChecked(false);
        grupo_->setExclusive(true);
    }
    DefinirParadaTab();
    emit Click();
}

void TRadioGroup::DefinirParadaTab()
{
    // Qt leaves every item in the tab chain, or the one focused last, so Tab would land on an item
    // that is not selected.
    const int parada = indice_ >= 0 ? indice_ : 0;
    for (int i = 0; i < botoes_.size(); ++i)
        botoes_[i]->setFocusPolicy(i == parada ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TRadioGroup::eventFilter(QObject* objeto, QEvent* evento)
{
    // An item focused without being selected takes the tab stop over (Qt's rule); give it back.
    if (evento->type() == QEvent::FocusOut)
        DefinirParadaTab();
    return QGroupBox::eventFilter(objeto, evento);
}

QRadioButton* TRadioGroup::Botao(int indice) const
{
    return indice >= 0 && indice < botoes_.size() ? botoes_[indice] : nullptr;
}
