#include "AparenciaDoSistema.h"

#include <QApplication>

QFont FonteDasMensagens()
{
    return FonteDasMensagensDoSistema().value_or(QApplication::font("QMessageBox"));
}

void UsarAparenciaDoSistema()
{
    QApplication::setStyle(EstiloDoSistema());
}
