#include "MensagemErro.h"

#include <new>

QString MensagemDoErro(const std::exception& erro)
{
    if (dynamic_cast<const std::bad_alloc*>(&erro))
        return QStringLiteral("Não há memória suficiente para concluir a operação.");
    return QString::fromUtf8(erro.what());
}
