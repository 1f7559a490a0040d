#include "Acessiveis.h"

#include "AcessivelCelula.h"
#include "Cartao.h"
#include "Geometria.h"

#include "TFrmConfig.h"
#include "TImagemCartao.h"
#include "Textos.h"

#include <QAccessibleWidget>
#include <QHash>

namespace {

// The picture and, as its children, the cells of the card's lines (made when first asked for,
// kept while the picture lives).
class AcessivelImagemCartao : public QAccessibleWidget {
public:
    explicit AcessivelImagemCartao(TImagemCartao* imagem) : QAccessibleWidget(imagem, QAccessible::Graphic) {}

    ~AcessivelImagemCartao() override
    {
        for (const QAccessible::Id id : celulas_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Imagem()->CelulasVisiveis(); }

    QAccessibleInterface* child(int indice) const override
    {
        if (indice < 0 || indice >= childCount())
            return nullptr;
        if (const auto achado = celulas_.constFind(indice); achado != celulas_.cend())
            return QAccessible::accessibleInterface(*achado);
        auto* celula = new AcessivelCelula(const_cast<TImagemCartao*>(Imagem()), indice);
        celulas_.insert(indice, QAccessible::registerAccessibleInterface(celula));
        return celula;
    }

    int indexOfChild(const QAccessibleInterface* filho) const override
    {
        for (auto i = celulas_.cbegin(); i != celulas_.cend(); ++i)
            if (QAccessible::accessibleInterface(i.value()) == filho)
                return i.key() < childCount() ? i.key() : -1;
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        return Imagem()->hasFocus() ? child(Imagem()->IndiceCursor()) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint ponto = Imagem()->mapFromGlobal(QPoint(x, y));
        for (int linha = 1; linha * ColunasPorLinha <= childCount(); ++linha)
            for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                const Retangulo r = RetanguloCelula(linha, coluna);
                if (ponto.x() >= r.Esquerda && ponto.x() < r.Direita && ponto.y() >= r.Topo && ponto.y() < r.Base)
                    return child((linha - 1) * ColunasPorLinha + coluna - 1);
            }
        return nullptr;
    }

    QString text(QAccessible::Text tipo) const override
    {
        const auto* imagem = Imagem();
        switch (tipo) {
        case QAccessible::Name:
        case QAccessible::Value:
            return imagem->DescricaoCursor();
        case QAccessible::Description:
            return Textos::DicaDesenho;
        default:
            return QAccessibleWidget::text(tipo);
        }
    }

private:
    const TImagemCartao* Imagem() const { return static_cast<const TImagemCartao*>(widget()); }

    mutable QHash<int, QAccessible::Id> celulas_;
};

QAccessibleInterface* Fabrica(const QString&, QObject* objeto)
{
    if (auto* imagem = qobject_cast<TImagemCartao*>(objeto))
        return new AcessivelImagemCartao(imagem);
    if (auto* janela = qobject_cast<TFrmConfig*>(objeto))
        return new QAccessibleWidget(janela, QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstalarAcessiveis()
{
    static const bool instalada = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    (void)instalada;
}
