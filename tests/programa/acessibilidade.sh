#!/usr/bin/env bash
# Starts the built program on a virtual display, with a session bus and the accessibility bus of
# its own, and reads it as a screen reader does (arvore_acessibilidade.py, through pyatspi).
# Exits 77, which CTest counts as skipped, with the reason when a tool or the bus is missing.
set -uo pipefail
programa=$(realpath "$1")
unset QT_QPA_PLATFORM  # the real window, on the virtual display
aqui=$(dirname "$(realpath "$0")")
# Debian's python, which has pyatspi, whatever python3 comes first on the PATH.
python=/usr/bin/python3
lancador=/usr/libexec/at-spi-bus-launcher

pular() { echo "SKIPPED: $*"; exit 77; }
for comando in xvfb-run dbus-run-session xdotool "$python"; do
  command -v "$comando" >/dev/null || pular "$comando is not installed"
done
[ -x "$lancador" ] || pular "at-spi2-core is not installed ($lancador)"
"$python" -c 'import pyatspi' 2>/dev/null || pular "python3-pyatspi is not installed"
dbus-run-session -- true >/dev/null 2>&1 || pular "dbus-run-session cannot start a session bus here"

pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
cp "$programa" "$pasta/Ortelo"
mkdir "$pasta/Config"
# Three lines: group 1 on lines 1-2 of type 0, group 2 on line 3 of type 4 (A B C after each number).
{
  printf '%s\r\n' 1 B 3 2 0 Um 1 2 0 1 Dois 3 3 4 1
  for _ in $(seq 1081); do printf '0\r\n'; done
} > "$pasta/Config/tres.cfg"
printf '%s' "$pasta/Config/tres.cfg" > "$pasta/Cfg.inf"

# A virtual display whose number another run took at the same moment fails the program's start:
# try again on a new one.
rodar() {
  for _ in 1 2 3; do
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- "$python" "$aqui/$1" "$pasta"
    resultado=$?
    [ "$resultado" -eq 75 ] || return "$resultado"
  done
  return 1
}
rodar arvore_acessibilidade.py || exit $?
# Then Orca itself, from Debian: what it would speak is what the operator hears.
rodar fala_orca.py
