#pragma once

#include <QFont>
#include <QString>

#include <optional>

// The look the program takes from the system it runs on, one implementation per platform. On
// Linux: Fusion, and Qt's own file dialogs, which speak the application's Portuguese. On Windows:
// the Windows style, the system's own file dialogs, and the system's message font in message boxes.

// The style, by its QStyleFactory name.
QString EstiloDoSistema();

// Whether the open and save dialogs are the system's own rather than Qt's widgets.
bool DialogosDeArquivoDoSistema();

// The font the system writes its message boxes in, where it has one Qt does not find by itself.
std::optional<QFont> FonteDasMensagensDoSistema();

// The font of the program's message boxes: the system's, or else Qt's for message boxes. Set on
// each box itself: setting the application's font drops Qt's fonts by class, and the window's
// construction does so.
QFont FonteDasMensagens();

// Puts the style on the running application.
void UsarAparenciaDoSistema();
