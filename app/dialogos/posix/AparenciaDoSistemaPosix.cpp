#include "AparenciaDoSistema.h"

QString EstiloDoSistema()
{
    return QStringLiteral("Fusion");
}

bool DialogosDeArquivoDoSistema()
{
    return false;
}

std::optional<QFont> FonteDasMensagensDoSistema()
{
    // Qt's platform theme gives the desktop's own.
    return std::nullopt;
}
