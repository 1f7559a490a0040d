#pragma once

// The program's own pictures. Button pictures are 16 x 16 in 16 colours; the colour of their
// lower-left pixel is transparent, and each icon carries a greyed copy for QIcon::Disabled.
// A QGuiApplication must exist before any of these is called.

#include <QIcon>
#include <QPixmap>

QIcon IconeJanela();     // 32 x 32: a white card with timing marks and three columns of red marks
QPixmap LogoPelunca();   // 380 x 60 logo of the card maker, transparent around the drawing
QIcon FiguraNovo();      // a hand writing with a pencil
QIcon FiguraAbrir();     // a yellow filing cabinet with an open drawer
QIcon FiguraSalvar();    // a sheet with a red arrow going down into a tray
QIcon FiguraMascara();   // an open padlock
QIcon FiguraAjuda();     // a cyan question mark
QIcon FiguraFechar();    // a red door
