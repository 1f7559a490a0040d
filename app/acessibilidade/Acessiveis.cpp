#include "Acessiveis.h"

#include "TFrmConfig.h"
#include "TImagemCartao.h"
#include "Textos.h"

#include <QAccessibleWidget>

namespace {

class AcessivelImagemCartao : public QAccessibleWidget {
public:
    explicit AcessivelImagemCartao(TImagemCartao* imagem) : QAccessibleWidget(imagem, QAccessible::Graphic) {}

    QString text(QAccessible::Text tipo) const override
    {
        const auto* imagem = static_cast<const TImagemCartao*>(widget());
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
