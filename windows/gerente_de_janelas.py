#!/usr/bin/env python3
"""The two things a window manager does for Wine, on a virtual display that has none.

Wine's X11 driver leaves them to the window manager: it withdraws a window it manages only once
the manager has marked it mapped (the ICCCM's WM_STATE property), and waits two seconds for that
mark before giving up; and it never gives the keyboard focus to a new window itself. Without a
manager every box and window therefore takes two seconds to go away, and keys typed into a
window that has just appeared reach no window at all. This marks each window as mapped and
withdrawn as the manager would, and gives a newly mapped window the focus; it places, frames and
stacks nothing, so every window stays where the program put it.
    gerente_de_janelas.py   (on $DISPLAY, until killed)
"""
import ctypes
import ctypes.util

x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
Janela = ctypes.c_ulong


class EventoDeJanela(ctypes.Structure):
    # The leading fields shared by MapNotify and UnmapNotify (XMapEvent, XUnmapEvent).
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", Janela), ("window", Janela),
                ("override_redirect", ctypes.c_int)]


class Evento(ctypes.Union):
    _fields_ = [("janela", EventoDeJanela), ("tamanho", ctypes.c_long * 24)]


x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = Janela
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSelectInput.argtypes = [ctypes.c_void_p, Janela, ctypes.c_long]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(Evento)]
x11.XChangeProperty.argtypes = [ctypes.c_void_p, Janela, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x11.XSetInputFocus.argtypes = [ctypes.c_void_p, Janela, ctypes.c_int, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]

# A window may be gone by the time its event is read: such errors are no concern here.
TratadorDeErro = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
ignorar = TratadorDeErro(lambda tela, erro: 0)
x11.XSetErrorHandler(ignorar)

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
UNMAP_NOTIFY, MAP_NOTIFY = 18, 19
WITHDRAWN_STATE, NORMAL_STATE = 0, 1
REVERT_TO_PARENT, CURRENT_TIME = 2, 0
PROP_MODE_REPLACE = 0

tela = x11.XOpenDisplay(None)
if not tela:
    raise SystemExit("gerente_de_janelas.py: no display")
raiz = x11.XDefaultRootWindow(tela)
wm_state = x11.XInternAtom(tela, b"WM_STATE", 0)
x11.XSelectInput(tela, raiz, SUBSTRUCTURE_NOTIFY_MASK)
x11.XFlush(tela)


def marcar(janela, estado):
    valor = (ctypes.c_long * 2)(estado, 0)  # the state and no icon window
    x11.XChangeProperty(tela, janela, wm_state, wm_state, 32, PROP_MODE_REPLACE, valor, 2)


evento = Evento()
while True:
    x11.XNextEvent(tela, ctypes.byref(evento))
    e = evento.janela
    if e.type == MAP_NOTIFY and not e.override_redirect:
        marcar(e.window, NORMAL_STATE)
        x11.XSetInputFocus(tela, e.window, REVERT_TO_PARENT, CURRENT_TIME)
    elif e.type == UNMAP_NOTIFY:
        marcar(e.window, WITHDRAWN_STATE)
    x11.XFlush(tela)
