#!/usr/bin/env bash
# Installs what is missing, builds Ortelo and starts it from its build folder.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORTELO_TESTS=OFF
cmake --build build --target Ortelo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ortelo is built (build/Ortelo), but there is no display to show its window." >&2
  echo "Run it on a desktop session, or under a virtual display:  xvfb-run -a ./run.sh" >&2
  exit 1
fi
# The program finds its folder, Config/, Cfg.inf and Ortelo.hlp from the current directory.
cd build
exec ./Ortelo
