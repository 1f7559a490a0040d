#!/usr/bin/env bash
# Installs the Debian 12 packages Ortelo needs to build and run, when any is missing.
#   ./deps.sh           what building Ortelo and ortelo-cartao, their manual pages, and running them need
#   ./deps.sh --testes  that, and what the tests and benchmarks need beyond it (test.sh asks for this)
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build                      # compiler and build
  qt6-base-dev qt6-qpa-plugins               # Qt 6 Widgets and its platform plugins (xcb, offscreen)
  qt6-translations-l10n                      # Portuguese texts of Qt's own dialogs
  fonts-liberation2 fonts-dejavu-core        # the window's sans fonts
  scdoc dpkg-dev                             # the manual pages: made from scdoc, dated by dpkg-parsechangelog
  man-db                                     # man -l, to read the manual pages in the build folder
)

TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev # tests and the benchmarks
  libxcb1-dev                                # the start-up benchmark's stopwatch watches the display
  xvfb xauth imagemagick                     # a virtual display, and screenshots for the end-to-end test
  xdotool                                    # clicks and keys for the end-to-end crash-recovery and screen-reader tests
  desktop-file-utils appstream               # validating the installed menu entry and metainfo
  at-spi2-core python3-pyatspi dbus-daemon   # the test that reads the running program as a screen reader does
  lintian                                    # the package test (dpkg-shlibdeps, from dpkg-dev, makes its dependencies)
  devscripts                                 # hardening-check (perl and binutils only: no recommends needed)
  xdg-utils libglib2.0-bin                   # the install test asks xdg-mime (through gio) about card files
  orca                                       # the screen-reader test listens to Orca itself
)

case "${1:-}" in
  "") ;;
  --testes) PACKAGES+=("${TEST_PACKAGES[@]}") ;;
  *) echo "Usage: ./deps.sh [--testes]" >&2; exit 2 ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
