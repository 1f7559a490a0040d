"""Reads the running program as a screen reader does, over the accessibility bus (pyatspi).

Run by acessibilidade.sh on a virtual display inside a session bus of its own:
    arvore_acessibilidade.py PASTA_DO_PROGRAMA
Checks the names and roles of the window's controls and of the card picture, then moves the
picture's cursor with the keyboard and toggles a cell, and checks what the picture announced.
Exit codes: 0 passed, 1 failed, 75 the program could not start (the caller retries), 77 skipped.
"""

import os
import subprocess
import sys

from barramento_atspi import MASCARA_LIGADA, TITULO, aplicativo, esperar, iniciar_barramento

PASTA = sys.argv[1]

# One control of each kind, (role, name, label): the window tests hold the table of every control.
# A list's name on Linux is its chosen entry (None: not checked); its label comes from the label
# related to it.
ESPERADOS = [
    ("frame", TITULO, None),
    ("image", "Logotipo da Pelunca", None),
    ("panel", "Estrutura do Grupo", None),
    ("label", "Nome do grupo", None),
    ("text", "Nome do grupo", "Nome do grupo"),
    ("push button", "Salvar...", None),
    ("combo box", None, "Tipo do grupo"),
    ("radio button", "Não", "Habilitado"),
    ("spin button", "Número de grupos do cartão", "Número de grupos do cartão"),
    ("push button", "Definir Manualmente os Campos Mascarados", None),
    ("filler", "Desenho do cartão", None),
    ("image", "Linha 1, coluna 1, grupo 1: lida", None),
]

falhas = []


def falhar(mensagem):
    falhas.append(mensagem)
    print("FAILED:", mensagem)


def rotulos(objeto):
    import pyatspi
    nomes = []
    for relacao in objeto.getRelationSet():
        if relacao.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            nomes += [relacao.getTarget(i).name for i in range(relacao.getNTargets())]
    return nomes


def percorrer(objeto, encontrados):
    encontrados.append((objeto.getRoleName(), objeto.name, rotulos(objeto), objeto))
    for filho in objeto:
        if filho is not None:
            percorrer(filho, encontrados)


def main():
    iniciar_barramento()
    import pyatspi  # after the bus is up

    ambiente = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    programa = subprocess.Popen(["./Ortelo"], cwd=PASTA, env=ambiente)
    try:
        if not esperar(lambda: aplicativo() is not None or programa.poll() is not None, 60):
            falhar("the program never appeared on the accessibility bus")
            return 1
        if programa.poll() is not None:
            print("the program ended early, status", programa.returncode)
            return 75

        encontrados = []
        percorrer(aplicativo(), encontrados)
        for papel, nome, rotulo in ESPERADOS:
            if not any(p == papel and (nome is None or n == nome) and (rotulo is None or rotulo in r)
                       for p, n, r, _ in encontrados):
                falhar(f"no {papel} named {nome!r} labelled {rotulo!r}")
        if falhas:
            print("The tree as read:")
            for papel, nome, rotulo, _ in encontrados:
                print(f"  [{papel}] {nome!r} labelled by {rotulo}")
            return 1

        desenho = next(o for p, n, _, o in encontrados if p == "image" and n.startswith("Linha "))
        mascara = next(o for p, n, _, o in encontrados if n == "Definir Manualmente os Campos Mascarados")
        if "Espaço" not in desenho.description:
            falhar(f"the picture's description tells no keys: {desenho.description!r}")

        # What a screen reader hears about the picture from now on.
        focos = []
        nomes = []

        def ouvir(evento):
            # The picture, or the cell of its cursor, which takes the focus and the name changes.
            celula = evento.source != desenho
            if celula and evento.source.parent != desenho:
                return
            if evento.type.startswith("object:state-changed:focused") and evento.detail1 == 1:
                (nomes if celula else focos).append(evento.type)
            elif evento.type.startswith("object:property-change:accessible-name"):
                nomes.append(evento.type)

        pyatspi.Registry.registerEventListener(ouvir, "object:property-change:accessible-name",
                                               "object:state-changed:focused")

        # The keys go to the focused X window; there is no window manager to give it the focus.
        subprocess.run(["xdotool", "search", "--sync", "--name", TITULO, "windowfocus", "--sync"],
                       check=True, timeout=10, stdout=subprocess.DEVNULL)
        # The mask mode on, by the button's own action. Qt carries the action out as an animated
        # click a moment later: the keys must wait until the button reads as the mode's.
        mascara.queryAction().doAction(0)
        if not esperar(lambda: mascara.name == MASCARA_LIGADA):
            falhar(f"the mask button never switched the mode on: it reads {mascara.name!r}")
            return 1
        if not desenho.queryComponent().grabFocus():
            falhar("the picture does not take the focus")
        if not esperar(lambda: focos):
            falhar("the picture announced no focus")
        # One key at a time: each must be announced, and the name then read is the new cell.
        passos = [("Right", "Linha 1, coluna 2, grupo 1: lida"), ("Down", "Linha 2, coluna 2, grupo 1: lida"),
                  ("Down", "Linha 3, coluna 2, grupo 2: lida"), ("space", "Linha 3, coluna 2, grupo 2: ignorada")]
        for tecla, dito in passos:
            antes = len(nomes)
            subprocess.run(["xdotool", "key", tecla], check=True, timeout=10)
            # An announcement of the step before may still be on its way: wait for this one's.
            if not esperar(lambda: len(nomes) > antes and desenho.name == dito):
                if len(nomes) == antes:
                    falhar(f"{tecla}: the picture announced nothing")
                else:
                    falhar(f"{tecla}: the picture reads {desenho.name!r}, expected {dito!r}")
        pyatspi.Registry.deregisterEventListener(ouvir, "object:property-change:accessible-name",
                                                 "object:state-changed:focused")
        return 1 if falhas else 0
    finally:
        programa.terminate()
        try:
            programa.wait(timeout=10)
        except subprocess.TimeoutExpired:
            programa.kill()


if __name__ == "__main__":
    resultado = main()
    if resultado == 0:
        print(f"passed: {len(ESPERADOS)} controls named, the picture's cursor announced")
    sys.exit(resultado)
