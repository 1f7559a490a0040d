#!/usr/bin/env bash
# Cross-builds Ortelo for Windows in build-windows/, runs its test suites under Wine through CTest,
# and makes the installer build-windows/Ortelo-<versão>-instalador.exe. Installs what it needs
# first, as deps.sh does. Qt for Windows comes from ORTELO_QT_WINDOWS (its folder, or the
# .tar.xz), else from ../shared/qt-windows/ beside the repository.
set -euo pipefail
cd "$(dirname "$0")"
raiz=$PWD
saida=$raiz/build-windows

PACOTES=(
  g++-mingw-w64-x86-64-posix               # the MinGW-w64 compiler, posix threads
  cmake ninja-build xz-utils
  g++ qt6-base-dev qt6-base-dev-tools      # the build-time generators, and Qt's host tools (moc)
  wine wine64                              # runs the Windows tests here
  nsis                                     # makensis, the installer
  icoutils                                 # icotool packs the icon; wrestool lists the programs' resources
  qt6-translations-l10n                    # Qt's Portuguese texts, shipped beside the program
  fonts-liberation2                        # Arial's metric twin, which Wine finds for the window
  xvfb xauth imagemagick xdotool           # the end-to-end script: a virtual display, screenshots, clicks
  python3                                  # ... and its stand-in for a window manager (gerente_de_janelas.py)
  qt6-qpa-plugins scdoc dpkg-dev fonts-dejavu-core  # the Linux build it compares with, and its window
)
faltam=()
for p in "${PACOTES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  echo "Installing: ${faltam[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${faltam[@]}"
fi

# Qt for Windows: a folder holding bin/qt-cmake, or the archive made by construir.sh.
origem=${ORTELO_QT_WINDOWS:-}
if [ -z "$origem" ] && [ -d "$raiz/../shared/qt-windows" ]; then
  origem=$raiz/../shared/qt-windows
fi
if [ -z "$origem" ]; then
  cat >&2 <<'TEXTO'
windows.sh: no Qt for Windows. Give ORTELO_QT_WINDOWS=<folder or qt-6.4.2-mingw-w64.tar.xz>,
or make one with construir.sh (about 20 minutes on two cores):
  construir.sh <folder>      # writes <folder>/qt-6.4.2-mingw-w64.tar.xz
TEXTO
  exit 1
fi
[ -d "$origem" ] && [ -f "$origem/qt-6.4.2-mingw-w64.tar.xz" ] && origem=$origem/qt-6.4.2-mingw-w64.tar.xz
mkdir -p "$saida"
if [ -f "$origem" ]; then
  # Unpacked once into the build folder, again only when the archive changes.
  marca=$(stat -c '%s-%Y' "$origem")
  if [ "$(cat "$saida/qt6-mingw.marca" 2>/dev/null)" != "$marca" ]; then
    rm -rf "$saida/qt6-mingw"
    tar xJf "$origem" -C "$saida"
    echo "$marca" > "$saida/qt6-mingw.marca"
  fi
  qt=$saida/qt6-mingw
else
  qt=$(cd "$origem" && pwd)
fi
[ -x "$qt/bin/qt-cmake" ] || { echo "windows.sh: $qt holds no Qt for Windows (bin/qt-cmake)" >&2; exit 1; }
# Qt's Portuguese texts are the same files on every platform; the tests read them where Qt looks.
if [ -w "$qt" ] && [ ! -f "$qt/translations/qtbase_pt_BR.qm" ]; then
  mkdir -p "$qt/translations"
  cp /usr/share/qt6/translations/qtbase_pt_BR.qm "$qt/translations/"
fi

# Where Wine finds the DLLs: Qt's, and the MinGW runtime's.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export ORTELO_WINEPATH="$qt/bin:$runtime:/usr/x86_64-w64-mingw32/lib"
# One Wine prefix for the build, made on first use; nothing of Wine outlives the script.
export ORTELO_WINEPREFIX=$saida/wine
trap 'WINEPREFIX=$ORTELO_WINEPREFIX wineserver -k 2>/dev/null || true' EXIT
if [ ! -d "$ORTELO_WINEPREFIX" ]; then
  WINEPREFIX=$ORTELO_WINEPREFIX WINEDEBUG=-all wineboot -i >/dev/null 2>&1 || true
fi

# -O2 as the Linux builds: GCC 12 at -O3 warns falsely (-Wrestrict) inside std::string.
cmake -S . -B "$saida" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$raiz/windows/mingw-w64-x86_64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$raiz/windows/wine_teste.sh;$ORTELO_WINEPREFIX;$ORTELO_WINEPATH"
cmake --build "$saida" -j 2
# The installer first: the end-to-end test installs it under Wine.
cmake --build "$saida" --target instalador
ctest --test-dir "$saida" --output-on-failure -j 2 --timeout 300
