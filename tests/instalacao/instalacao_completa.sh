#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under another prefix, validates the desktop entry
# and the metainfo, checks the installed tree, and starts the installed launcher as an ordinary
# user on a virtual display: the Cfg.inf in that user's folder names a 90-line card, and a
# screenshot must show those 90 lines.
#   instalacao_completa.sh BUILD BINDIR PROGRAMA DATADIR   (the last three relative to the prefix)
set -euo pipefail
build=$1 bindir=$2 programa_rel=$3 datadir=$4

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
DESTDIR=$tmp/raiz cmake --install "$build" --prefix /opt/ortelo > "$tmp/instalacao.log"
prefixo=$tmp/raiz/opt/ortelo
dados=$prefixo/$datadir

falhas=0
verificar() {  # verificar DESCRIPTION COMMAND...
    "${@:2}" > "$tmp/verificacao.log" 2>&1 || { echo "FAILED: $1"; cat "$tmp/verificacao.log"; falhas=$((falhas + 1)); }
}
verificar "the launcher is installed" test -x "$prefixo/$bindir/ortelo"
verificar "the program is installed" test -x "$prefixo/$programa_rel"
for arquivo in ortelo/Ortelo.hlp applications/ortelo.desktop metainfo/org.ortelo.Ortelo.metainfo.xml \
    icons/hicolor/scalable/apps/ortelo.svg doc/ortelo/README.md doc/ortelo/LICENSE doc/ortelo/copyright; do
    verificar "$arquivo is installed" test -s "$dados/$arquivo"
done
for tamanho in 16 32 48 64 128 256; do
    verificar "the ${tamanho} px icon" [ "$(identify -format '%m %wx%h' "$dados/icons/hicolor/${tamanho}x${tamanho}/apps/ortelo.png")" = "PNG ${tamanho}x${tamanho}" ]
done
verificar "the desktop entry is valid" desktop-file-validate "$dados/applications/ortelo.desktop"
verificar "the metainfo is valid" appstreamcli validate --no-net "$dados/metainfo/org.ortelo.Ortelo.metainfo.xml"
verificar "the installed tree is valid" appstreamcli validate-tree --no-net "$prefixo"
configurado=$(cmake -L -N "$build" | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')
verificar "no installed file but the documents names the prefix the build was configured for" \
    bash -c "! grep -rlI --exclude-dir=doc -- '$configurado/' '$prefixo'"

# An ordinary user who may not write the installed tree. Run as root, the test becomes nobody.
casa=$tmp/casa
pasta=$casa/.local/share/ortelo
mkdir -p "$pasta/Config"
{
    printf '%s\r\n' 1 B 90 1 0 Noventa 1 90 0 1
    for _ in $(seq 1081); do printf '0\r\n'; done
} > "$pasta/Config/noventa.cfg"
printf '%s' "$pasta/Config/noventa.cfg" > "$pasta/Cfg.inf"
como_usuario=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$casa"
    como_usuario=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

cat > "$tmp/verificar.sh" <<'INNER'
set -u
"$1" &
pid=$!
# Without a window manager the window sits at the screen's top-left corner: the picture starts
# at (534, 1). Image point (25, 400) is on the card outline only when the card has more than
# 43 lines; a first-time card leaves it button face.
for _ in $(seq 60); do
    sleep 0.5
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; exit 1; }
    import -window root "$2" 2>/dev/null || continue
    cor=$(convert "$2" -format '%[fx:int(255*p{559,401}.r)],%[fx:int(255*p{559,401}.g)],%[fx:int(255*p{559,401}.b)]' info:)
    [ "$cor" = "0,0,0" ] && { kill "$pid"; exit 0; }
done
kill "$pid"
echo "last colour seen: ${cor:-none}"
exit 1
INNER
verificar "the installed program reopens the user's last card" \
    "${como_usuario[@]}" env HOME="$casa" XDG_DATA_HOME= \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$tmp/verificar.sh" "$prefixo/$bindir/ortelo" "$casa/tela.png"
verificar "the program file in the user's folder is the installed one" \
    [ "$(readlink -f "$pasta/Ortelo")" = "$(readlink -f "$prefixo/$programa_rel")" ]
verificar "the user can write Config" "${como_usuario[@]}" test -w "$pasta/Config"

echo "$([ "$falhas" -eq 0 ] && echo "all checks passed" || echo "$falhas failed")"
[ "$falhas" -eq 0 ]
