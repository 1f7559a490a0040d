#include "AcessivelCelula.h"

#include "Cartao.h"
#include "DescricaoCelula.h"
#include "Geometria.h"
#include "TImagemCartao.h"

#include <QWidget>
#include <QWindow>

AcessivelCelula::AcessivelCelula(TImagemCartao* imagem, int indice) : imagem_(imagem), indice_(indice) {}

bool AcessivelCelula::isValid() const
{
    return imagem_ && indice_ >= 0 && indice_ < imagem_->CelulasVisiveis();
}

QWindow* AcessivelCelula::window() const
{
    return imagem_ ? imagem_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AcessivelCelula::parent() const
{
    return imagem_ ? QAccessible::queryAccessibleInterface(imagem_.data()) : nullptr;
}

QString AcessivelCelula::text(QAccessible::Text tipo) const
{
    if (!isValid() || tipo != QAccessible::Name)
        return {};
    return imagem_->DescricaoDaCelula(indice_ / ColunasPorLinha + 1, indice_ % ColunasPorLinha + 1);
}

QRect AcessivelCelula::rect() const
{
    if (!isValid())
        return {};
    const Retangulo celula = RetanguloCelula(indice_ / ColunasPorLinha + 1, indice_ % ColunasPorLinha + 1);
    return QRect(imagem_->mapToGlobal(QPoint(celula.Esquerda, celula.Topo)),
                 QSize(celula.Direita - celula.Esquerda, celula.Base - celula.Topo));
}

QAccessible::State AcessivelCelula::state() const
{
    QAccessible::State estado;
    if (!isValid()) {
        estado.invalid = true;
        return estado;
    }
    estado.focusable = true;
    // Checked: the reader ignores the position.
    estado.checkable = true;
    estado.checked = imagem_->CelulaIgnorada(indice_);
    estado.focused = imagem_->hasFocus() && indice_ == imagem_->IndiceCursor();
    return estado;
}
