#pragma once

class QWidget;

// Keeps Qt from looking for more plugins until the window has painted its first frame. The
// platform and its input methods are loaded by then; what the first frame reads is Qt's own
// pictures, XPM and PNG, whose readers are built in. Without it, the first group box frame, a PNG
// of the style, made Qt load and ask the gif, ico and jpeg plugins before its own PNG reader:
// three libraries and about 250 KB at every start. Plugins are looked for again once the frame
// is painted, so later dialogs find everything they would have.
void AdiarPluginsAtePrimeiraPintura(QWidget& janela);
