#!/usr/bin/env bash
# Installs what is missing, builds Ortelo, ortelo-cartao and their manual pages, and starts Ortelo
# from its build folder.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORTELO_TESTS=OFF
cmake --build build --target Ortelo ortelo-cartao ortelo_documentos

cat <<'FIM'

Built in build/:
  build/Ortelo                                   the editor (started below)
  build/ortelo-cartao                            checks, shows, draws and compares card files: build/ortelo-cartao --help
  man -l build/resources/instalacao/ortelo.1.gz          the editor's manual page
  man -l build/resources/instalacao/ortelo-cartao.1.gz   ortelo-cartao's manual page

FIM

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show Ortelo's window." >&2
  echo "Run it on a desktop session, or under a virtual display:  xvfb-run -a ./run.sh" >&2
  command -v xvfb-run >/dev/null || echo "(xvfb-run is in the Debian packages xvfb and xauth, which ./deps.sh --testes installs.)" >&2
  exit 1
fi
# The program finds its folder, Config/, Cfg.inf and Ortelo.hlp from the current directory.
cd build
exec ./Ortelo
