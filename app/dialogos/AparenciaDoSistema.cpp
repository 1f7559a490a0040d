#include "AparenciaDoSistema.h"

#include <QApplication>

void UsarAparenciaDoSistema()
{
    QApplication::setStyle(EstiloDoSistema());
    if (const std::optional<QFont> fonte = FonteDasMensagensDoSistema())
        QApplication::setFont(*fonte, "QMessageBox");
}
