#pragma once

class QAbstractButton;
class QEvent;

// Acts on a button as a mouse press does: the button takes the keyboard focus first (so the exit
// handler of the control that had it runs first) and then clicks at once. A disabled button does
// nothing, not even take the focus.
void AcionarComoMouse(QAbstractButton& botao);

// Handles a button's Alt+letter accelerator with AcionarComoMouse, instead of Qt's click
// animated 100 ms later without a focus change.
// Returns true when the event was the accelerator and has been handled.
bool TratarAtalhoImediato(QAbstractButton& botao, QEvent* evento);
