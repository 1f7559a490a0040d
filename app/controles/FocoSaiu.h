#pragma once

class QFocusEvent;
class QWidget;

// True when a focus-out means the keyboard focus really moved to another control of the
// window. The window losing activation, a popup (a menu, the control's own context menu)
// opening, or the control being disabled is no exit: handlers tied to the exit must not run.
bool FocoSaiuDeFato(const QWidget& controle, const QFocusEvent& evento);
