#!/usr/bin/env bash
# Installs the Debian 12 packages Ortelo needs to build, run and test, when any is missing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build                      # compiler and build
  qt6-base-dev qt6-qpa-plugins               # Qt 6 Widgets and its platform plugins (xcb, offscreen)
  qt6-translations-l10n                      # Portuguese texts of Qt's own dialogs
  libgtest-dev libgmock-dev libbenchmark-dev # tests and the benchmarks
  libxcb1-dev                                # the start-up benchmark's stopwatch watches the display
  fonts-liberation2 fonts-dejavu-core        # the window's sans fonts
  xvfb xauth imagemagick                     # a virtual display, and screenshots for the end-to-end test
  xdotool                                    # clicks and keys for the end-to-end crash-recovery and screen-reader tests
  desktop-file-utils appstream               # validating the installed menu entry and metainfo
  dpkg-dev                                   # the Debian package's library dependencies (dpkg-shlibdeps)
  at-spi2-core python3-pyatspi dbus-daemon   # the test that reads the running program as a screen reader does
  scdoc                                      # the manual pages, made from their scdoc sources at build time
  lintian man-db                             # the package test: lintian, and man -l on the manual pages
  devscripts                                 # hardening-check (perl and binutils only: no recommends needed)
  xdg-utils libglib2.0-bin                   # the install test asks xdg-mime (through gio) about card files
  orca                                       # the screen-reader test listens to Orca itself
)

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
