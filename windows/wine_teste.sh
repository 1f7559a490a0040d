#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: the emulator CTest and the test discovery use.
# (Wine hands the program no QT_ variable: the tests' main picks the offscreen platform itself.)
# Usage: wine_teste.sh WINEPREFIX DLL_FOLDERS PROGRAM.exe ARGS... (DLL_FOLDERS separated by ':',
# as CMake lists take ';'). The prefix is the build's own, made on first use.
set -euo pipefail
export WINEPREFIX=$1 WINEPATH=${2//:/;} WINEDEBUG=-all
# The offscreen platform reads fonts from one folder; the tests' main hands this one to it, so
# texts are measured in the window's font from this machine (Wine drops QT_QPA_FONTDIR itself).
export ORTELO_PASTA_FONTES=Z:/usr/share/fonts/truetype/liberation2
shift 2
exec wine "$@"
