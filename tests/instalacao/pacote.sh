#!/usr/bin/env bash
# Builds the Debian package from a configured build and checks its name, its dependencies (the
# linked libraries found by dpkg-shlibdeps, and the run-time ones Qt loads) and its contents.
#   pacote.sh BUILD VERSION
set -euo pipefail
build=$1 versao=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" > "$tmp/cpack.log" || { cat "$tmp/cpack.log"; exit 1; }
pacote=$tmp/ortelo_${versao}_$(dpkg --print-architecture).deb

falhas=0
verificar() {  # verificar DESCRIPTION COMMAND...
    "${@:2}" || { echo "FAILED: $1"; falhas=$((falhas + 1)); }
}
verificar "the package is named after its version" test -f "$pacote"
dependencias=$(dpkg-deb -f "$pacote" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for pacote_necessario in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 \
    qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core; do
    verificar "depends on $pacote_necessario" grep -qx "$pacote_necessario" <<< "$dependencias"
done
conteudo=$(dpkg-deb -c "$pacote" | awk '{print $6}')
for arquivo in ./usr/bin/ortelo ./usr/libexec/ortelo/Ortelo ./usr/share/ortelo/Ortelo.hlp \
    ./usr/share/applications/ortelo.desktop ./usr/share/doc/ortelo/copyright; do
    verificar "holds $arquivo" grep -qx -- "$arquivo" <<< "$conteudo"
done

echo "$([ "$falhas" -eq 0 ] && echo "all checks passed" || echo "$falhas failed")"
[ "$falhas" -eq 0 ]
