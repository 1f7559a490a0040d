#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under another prefix, validates the desktop entry
# and the metainfo, checks the tree, and starts the installed launcher as an ordinary user on a
# virtual display: that user's Cfg.inf names a 90-line card, and a screenshot must show it.
#   instalacao_completa.sh BUILD BINDIR PROGRAMA DATADIR   (the last three relative to the prefix)
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
DESTDIR=$tmp/raiz cmake --install "$1" --prefix /opt/ortelo > /dev/null
prefixo=$tmp/raiz/opt/ortelo lancador=$tmp/raiz/opt/ortelo/$2/ortelo dados=$tmp/raiz/opt/ortelo/$4

falhas=0
verificar() { "${@:2}" || { echo "FAILED: $1"; falhas=$((falhas + 1)); }; }
verificar "the launcher and the program are installed" test -x "$lancador" -a -x "$prefixo/$3"
for arquivo in ortelo/Ortelo.hlp icons/hicolor/scalable/apps/ortelo.svg doc/ortelo/README.md doc/ortelo/copyright \
    doc/ortelo/changelog.gz man/man1/ortelo.1.gz man/man1/ortelo-cartao.1.gz; do
    verificar "$arquivo is installed" test -s "$dados/$arquivo"
done
for t in 16 24 32 48 64 128 256; do
    verificar "the $t px icon" [ "$(identify -format '%m %wx%h' "$dados/icons/hicolor/${t}x$t/apps/ortelo.png")" = "PNG ${t}x$t" ]
done
verificar "the desktop entry is valid" desktop-file-validate "$dados/applications/ortelo.desktop"
verificar "the metainfo is valid" appstreamcli validate --no-net "$dados/metainfo/org.ortelo.Ortelo.metainfo.xml"
verificar "the installed tree is valid" appstreamcli validate-tree --no-net "$prefixo"
# The desktop knows card files by their first lines, not every *.cfg, and opens them in Ortelo.
update-mime-database "$dados/mime"
update-desktop-database "$dados/applications"
{ printf '%s\r\n' 4 U 1 1 0 "" 1 1 0 1; for _ in $(seq 1081); do printf '0\r\n'; done; } > "$tmp/salvo.cfg"
printf '[rede]\nporta=1\n' > "$tmp/outro.cfg"
area=(env XDG_DATA_DIRS="$dados:/usr/share" XDG_DATA_HOME="$tmp/vazio" XDG_CONFIG_HOME="$tmp/vazio"
    XDG_CONFIG_DIRS="$tmp/vazio" XDG_CURRENT_DESKTOP=GNOME)
verificar "a saved card is a card file" [ "$("${area[@]}" xdg-mime query filetype "$tmp/salvo.cfg")" = application/x-ortelo-cartao ]
verificar "another program's .cfg is not" [ "$("${area[@]}" xdg-mime query filetype "$tmp/outro.cfg")" = text/plain ]
verificar "card files open in Ortelo" [ "$("${area[@]}" xdg-mime query default application/x-ortelo-cartao)" = ortelo.desktop ]
configurado=$(cmake -L -N "$1" | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')
verificar "no installed file but the documents names the configured prefix" \
    bash -c "! grep -rlI --exclude-dir=doc -- '$configurado/' '$prefixo'"

# An ordinary user, who may not write the installed tree: nobody, when the test runs as root.
casa=$tmp/casa pasta=$tmp/casa/.local/share/ortelo
mkdir -p "$pasta/Config"
{ printf '%s\r\n' 1 B 90 1 0 Noventa 1 90 0 1; for _ in $(seq 1081); do printf '0\r\n'; done; } > "$pasta/Config/noventa.cfg"
printf '%s' "$pasta/Config/noventa.cfg" > "$pasta/Cfg.inf"
verificar "the installed ortelo-cartao checks that card without a display" \
    env -u DISPLAY "$prefixo/$2/ortelo-cartao" verificar "$pasta/Config/noventa.cfg"
usuario=()
[ "$(id -u)" -ne 0 ] || { chown -R 65534:65534 "$casa"; usuario=(setpriv --reuid=65534 --regid=65534 --clear-groups); }
# Without a window manager the window sits at the top-left corner; screen point (559, 401) is on
# the card outline only when the card has more than 43 lines. The display numbers start away from
# xvfb-run's usual 99, which the end-to-end test running beside this one may be taking.
cat > "$tmp/tela.sh" <<'INNER'
"$1" & pid=$!
fim=$((SECONDS + 60))
while [ "$SECONDS" -lt "$fim" ]; do
    sleep 0.2
    import -window root "$2" 2>/dev/null || continue
    [[ "$(convert "$2" -format '%[hex:p{559,401}]' info:)" =~ ^0+$ ]] && { kill $pid; exit 0; }
done
kill $pid; exit 1
INNER
verificar "the installed program reopens the user's last card" "${usuario[@]}" env HOME="$casa" XDG_DATA_HOME= \
    xvfb-run -a -n 127 -s "-screen 0 1024x768x24 -noreset" bash "$tmp/tela.sh" "$lancador" "$casa/tela.png"
verificar "the user's folder holds the installed program" [ "$(readlink -f "$pasta/Ortelo")" = "$(readlink -f "$prefixo/$3")" ]
verificar "the user can write Config" "${usuario[@]}" test -w "$pasta/Config"
echo "$falhas failed"
[ "$falhas" -eq 0 ]
