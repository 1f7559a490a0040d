"""What the two screen-reader scripts share: the window's texts, the accessibility bus, and waiting
on its events."""

import sys
import time

from gi.repository import Gio, GLib

TITULO = "Ortelo - Pelunca"
MASCARA_LIGADA = "Click Aqui Quando Terminar a seleção"


def esperar(condicao, segundos=30.0):
    """Runs the GLib loop (which delivers the bus's events) until condicao() holds."""
    contexto = GLib.MainContext.default()
    limite = time.monotonic() + segundos
    while time.monotonic() < limite:
        while contexto.pending():
            contexto.iteration(False)
        if condicao():
            return True
        time.sleep(0.02)
    return condicao()


def iniciar_barramento():
    """Starts the accessibility bus (the session bus activates its launcher); skips (77) without it."""
    sessao = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    try:
        sessao.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                         GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000, None)
    except GLib.Error as erro:
        print("SKIPPED: the accessibility bus cannot start here:", erro.message)
        sys.exit(77)


def aplicativo():
    """The running program as the accessibility bus shows it, once it has its window; or None."""
    import pyatspi  # only once the bus is up
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Ortelo" and app.childCount > 0:
            return app
    return None
