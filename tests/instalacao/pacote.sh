#!/usr/bin/env bash
# Builds the Debian package and checks its name, its dependencies (the linked libraries, found by
# dpkg-shlibdeps, and what Qt loads at run time) and its contents.   pacote.sh BUILD VERSION
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$tmp" > "$tmp/cpack.log" || { cat "$tmp/cpack.log"; exit 1; }
pacote=$tmp/ortelo_$2_$(dpkg --print-architecture).deb
dependencias=$(dpkg-deb -f "$pacote" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
conteudo=$(dpkg-deb -c "$pacote" | awk '{print $6}')
falhas=0
for d in libqt6widgets6 libstdc++6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core; do
    grep -qx "$d" <<< "$dependencias" || { echo "FAILED: depends on $d"; falhas=$((falhas + 1)); }
done
for f in ./usr/bin/ortelo ./usr/bin/ortelo-cartao ./usr/libexec/ortelo/Ortelo ./usr/share/ortelo/Ortelo.hlp ./usr/share/doc/ortelo/copyright; do
    grep -qx -- "$f" <<< "$conteudo" || { echo "FAILED: holds $f"; falhas=$((falhas + 1)); }
done
echo "$falhas failed"
[ "$falhas" -eq 0 ]
