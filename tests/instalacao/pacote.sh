#!/usr/bin/env bash
# Builds the Debian package and checks it: its name, its dependencies (the linked libraries, found
# by dpkg-shlibdeps, and what Qt loads at run time), its contents, lintian, the changelogs, the
# manual pages against ortelo-cartao --help, and the programs' hardening when the build is
# hardened (ENDURECIDO is ON).   pacote.sh BUILD VERSION ENDURECIDO
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$tmp" > "$tmp/cpack.log" || { cat "$tmp/cpack.log"; exit 1; }
pacote=$tmp/ortelo_$2_$(dpkg --print-architecture).deb
dependencias=$(dpkg-deb -f "$pacote" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
conteudo=$(dpkg-deb -c "$pacote" | awk '{print $6}')
raiz=$tmp/raiz doc=$tmp/raiz/usr/share/doc/ortelo man=$tmp/raiz/usr/share/man/man1
dpkg-deb -x "$pacote" "$raiz"
programas=("$raiz/usr/bin/ortelo-cartao" "$raiz/usr/libexec/ortelo/Ortelo")

falhas=0
verificar() { "${@:2}" || { echo "FAILED: $1"; falhas=$((falhas + 1)); }; }
for d in libqt6widgets6 libstdc++6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core; do
    verificar "depends on $d" grep -qx "$d" <<< "$dependencias"
done
for f in bin/ortelo bin/ortelo-cartao libexec/ortelo/Ortelo share/ortelo/Ortelo.hlp share/doc/ortelo/copyright \
    share/doc/ortelo/changelog.gz share/doc/ortelo/changelog.Debian.gz share/man/man1/ortelo.1.gz \
    share/man/man1/ortelo-cartao.1.gz; do
    verificar "holds $f" grep -qx -- "./usr/$f" <<< "$conteudo"
done
verificar "the license is only in copyright" test ! -e "$doc/LICENSE"

# No error or warning; a hardened build gets no tag at all, pedantic ones included. Lintian also checks the changelogs' and pages' compression, the copyright format and
# the pages' whatis lines.
if [ "$3" = ON ]; then nivel=(-I --pedantic --fail-on error,warning,info,pedantic); else nivel=(--fail-on error,warning); fi
lintian --allow-root "${nivel[@]}" "$pacote" > "$tmp/lintian.log" 2>&1 || { cat "$tmp/lintian.log"; verificar "lintian" false; }

# The Debian changelog's latest entry is this package, by its maintainer.
for campo in Version Maintainer; do
    verificar "the changelog's $campo is the package's" \
        [ "$(zcat "$doc/changelog.Debian.gz" | dpkg-parsechangelog -l - -S $campo)" = "$(dpkg-deb -f "$pacote" $campo)" ]
done

# Each page renders without a warning, and names in its sections every command, option and exit
# code that the packaged ortelo-cartao --help lists.
for pagina in "$man/ortelo.1.gz" "$man/ortelo-cartao.1.gz"; do
    avisos=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$pagina" 2>&1 > "$tmp/pagina.txt") || true
    verificar "$(basename "$pagina") renders without warnings: $avisos" [ -z "$avisos" ]
    verificar "$(basename "$pagina") renders its NOME section" grep -q '^NOME' "$tmp/pagina.txt"
done
ajuda=$(env -u DISPLAY "${programas[0]}" --help)
listados() { sed -n "/^$1:/,/^\$/p" <<< "$ajuda" | grep -oE '^  [^ ]+' | tr -d ' ' || true; }
documentados() {  # SECTION ITEM...: each item is a bold term in that section of the page
    local nome=$1 roff; shift
    roff=$(zcat "$man/ortelo-cartao.1.gz" | awk -v s=".SH $nome" '/^\.SH /{dentro = ($0 == s)} dentro')
    verificar "--help lists what the $nome section holds" [ $# -gt 0 ]
    for item; do verificar "the page's $nome section names $item" grep -qF "\\fB$item\\fR" <<< "$roff"; done
}
documentados COMANDOS $(listados Comandos)
documentados OPÇÕES $(tr -s ' [],|' '\n' <<< "$ajuda" | grep -E '^-(-|-?[a-z][a-z-]*)$' | sort -u || true)
documentados "CÓDIGOS DE SAÍDA" $(listados 'Códigos de saída')

# Both programs lose .comment in every build; lintian only tells in its pedantic run.
for programa in "${programas[@]}"; do
    verificar "$(basename "$programa") has no .comment section" bash -c "! readelf -SW '$programa' | grep -qF ' .comment '"
done
# Hardened as dpkg-buildflags gives it. Control-flow protection is not asked for: Debian 12 does not
# build with it, and its C start files lack the marks that would let a program claim it.
if [ "$3" = ON ]; then
    verificar "hardening-check" hardening-check --nocfprotection "${programas[@]}"
else
    echo "hardening-check skipped: a sanitized or unoptimised build is not hardened"
fi
echo "$falhas failed"
[ "$falhas" -eq 0 ]
