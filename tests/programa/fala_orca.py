"""Listens to Orca itself reading the card picture: Shift+Tab to the picture, Right, Down and Space in the mask mode.

Run by acessibilidade.sh on a virtual display inside a session bus of its own:
    fala_orca.py PASTA_DO_PROGRAMA
Orca runs without a speech server, so what it would say goes to its debug file as SPEECH OUTPUT.
Exit codes: 0 passed, 1 failed, 75 the program could not start (the caller retries), 77 skipped.
"""

import os
import shutil
import subprocess
import sys
import tempfile

from barramento_atspi import MASCARA_LIGADA, TITULO, aplicativo, esperar, iniciar_barramento

PASTA = sys.argv[1]


def main():
    if shutil.which("orca") is None:
        print("SKIPPED: orca is not installed")
        return 77
    iniciar_barramento()
    import pyatspi  # after the bus is up

    casa = tempfile.mkdtemp()
    registro = os.path.join(casa, "orca.log")
    ambiente = dict(os.environ, HOME=casa, XDG_CONFIG_HOME=casa, XDG_DATA_HOME=casa)
    # Orca writes its debug file block-buffered: each line must reach the file as it is said, so
    # Orca runs with that one file opened line-buffered.
    partida = ("import builtins, runpy, sys\n"
               "sys.argv = sys.argv[1:]\n"
               "abrir = builtins.open\n"
               "def linha_a_linha(nome, modo='r', *resto, **opcoes):\n"
               "    if nome == sys.argv[-1].split('=', 1)[1] and 'w' in modo:\n"
               "        return abrir(nome, modo, 1)\n"
               "    return abrir(nome, modo, *resto, **opcoes)\n"
               "builtins.open = linha_a_linha\n"
               "runpy.run_path(sys.argv[0], run_name='__main__')\n")
    orca = subprocess.Popen(["/usr/bin/python3", "-c", partida, shutil.which("orca"), "-u",
                             os.path.join(casa, "prefs"), "--debug-file=" + registro],
                            env=ambiente, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    programa = None

    def dito():
        try:
            with open(registro, encoding="utf-8", errors="replace") as arquivo:
                return [linha for linha in arquivo if "SPEECH OUTPUT:" in linha]
        except FileNotFoundError:
            return []

    try:
        if not esperar(lambda: dito() or orca.poll() is not None, 60) or orca.poll() is not None:
            print("SKIPPED: Orca cannot start here (status %s)" % orca.poll())
            return 77
        programa = subprocess.Popen(["./Ortelo"], cwd=PASTA, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        if not esperar(lambda: aplicativo() is not None or programa.poll() is not None, 30):
            print("FAILED: the program never appeared on the accessibility bus")
            return 1
        if programa.poll() is not None:
            return 75

        def achar(predicado):
            return pyatspi.findDescendant(aplicativo(), predicado)

        mascara = achar(lambda o: o.name == "Definir Manualmente os Campos Mascarados")
        subprocess.run(["xdotool", "search", "--sync", "--name", TITULO, "windowfocus", "--sync"],
                       check=True, timeout=30, stdout=subprocess.DEVNULL)
        mascara.queryAction().doAction(0)
        # The mode is on once the button says how to end it.
        if not esperar(lambda: mascara.name.replace("&", "") == MASCARA_LIGADA):
            print("FAILED: the mask mode did not come on:", repr(mascara.name))
            return 1
        # The picture comes just before the mask button in the tab order.
        if not mascara.queryComponent().grabFocus():
            print("FAILED: the mask button does not take the focus")
            return 1
        if not esperar(lambda: any(MASCARA_LIGADA in linha for linha in dito())):
            print("FAILED: Orca did not speak the mask button")
            return 1

        falhas = 0
        passos = [("shift+Tab", "Linha 1, coluna 1, grupo 1: lida"), ("Right", "Linha 1, coluna 2, grupo 1: lida"),
                  ("Down", "Linha 2, coluna 2, grupo 1: lida"),
                  ("space", "Linha 2, coluna 2, grupo 1: ignorada")]
        for tecla, fala in passos:
            antes = len(dito())
            subprocess.run(["xdotool", "key", tecla], check=True, timeout=10)
            if not esperar(lambda: any(fala in linha for linha in dito()[antes:])):
                print(f"FAILED: {tecla}: Orca did not say {fala!r}; it said:")
                print("".join(dito()[antes:]) or "  nothing")
                falhas += 1
        return 1 if falhas else 0
    finally:
        for processo in (programa, orca):
            if processo is not None:
                processo.terminate()
                try:
                    processo.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    processo.kill()
        shutil.rmtree(casa, ignore_errors=True)


if __name__ == "__main__":
    resultado = main()
    if resultado == 0:
        print("passed: Orca spoke the picture on Shift+Tab, Right, Down and Space")
    sys.exit(resultado)
