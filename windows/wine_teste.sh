#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: the emulator CTest and the test discovery use.
# (Wine hands the program no QT_ variable: the tests' main picks the offscreen platform itself.)
# The Wine prefix is the build's own (ORTELO_WINEPREFIX, made on first use).
set -euo pipefail
: "${ORTELO_WINEPATH:?ORTELO_WINEPATH: the folders of the DLLs}"
export WINEPATH=$ORTELO_WINEPATH WINEDEBUG=-all
export WINEPREFIX=${ORTELO_WINEPREFIX:-${WINEPREFIX:-$HOME/.wine}}
exec wine "$@"
