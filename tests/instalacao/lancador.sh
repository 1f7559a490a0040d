#!/usr/bin/env bash
# The launcher, moved with a stand-in program into a tree of its own: how it prepares, repairs
# and refuses the per-user program folder. The stand-in prints its folder and argument count.
#   lancador.sh LANCADOR BINDIR PROGRAMA AJUDA   (the last three relative to the prefix)
set -uo pipefail
lancador=$1 bindir=$2 programa_rel=$3 ajuda_rel=$4

tmp=$(mktemp -d)
montado=""
trap '[ -n "$montado" ] && umount "$montado"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
prefixo=$tmp/prefixo
mkdir -p "$prefixo/$bindir" "$(dirname "$prefixo/$programa_rel")" "$(dirname "$prefixo/$ajuda_rel")"
cp "$lancador" "$prefixo/$bindir/ortelo"
printf '#!/bin/sh\necho "$(pwd) $#"\n' > "$prefixo/$programa_rel"
chmod 755 "$prefixo/$bindir/ortelo" "$prefixo/$programa_rel"
echo ajuda > "$prefixo/$ajuda_rel"
programa=$(realpath "$prefixo/$programa_rel") ajuda=$(realpath "$prefixo/$ajuda_rel")

falhas=0 casos=0
verificar() {  # verificar DESCRIPTION COMMAND...
    casos=$((casos + 1))
    "${@:2}" || { echo "FAILED: $1"; falhas=$((falhas + 1)); }
}
iniciar() {  # iniciar HOME [XDG_DATA_HOME]: runs the launcher, keeps its output and status
    saida=$(env -i PATH=/usr/bin:/bin HOME="$1" ${2:+XDG_DATA_HOME="$2"} "$prefixo/$bindir/ortelo" a b 2>&1)
    status=$?
}
pasta_pronta() {  # pasta_pronta FOLDER: Config, and both links on the installed files
    [ -d "$1/Config" ] && [ "$(readlink "$1/Ortelo")" = "$programa" ] && [ "$(readlink "$1/Ortelo.hlp")" = "$ajuda" ]
}

# First use: the folder is made and the program runs inside it, with no arguments.
iniciar "$tmp/casa1"
verificar "first use runs the program in its folder" [ "$status $saida" = "0 $tmp/casa1/.local/share/ortelo 0" ]
verificar "first use prepares the folder" pasta_pronta "$tmp/casa1/.local/share/ortelo"

# An absolute XDG_DATA_HOME is used, a relative one ignored.
iniciar "$tmp/casa2" "$tmp/dados"
verificar "XDG_DATA_HOME is used" [ "$status $saida" = "0 $tmp/dados/ortelo 0" ]
iniciar "$tmp/casa3" "relativa"
verificar "a relative XDG_DATA_HOME is ignored" [ "$status $saida" = "0 $tmp/casa3/.local/share/ortelo 0" ]

# Links to an older install are repaired; the user's files stay byte for byte.
pasta=$tmp/casa4/.local/share/ortelo
mkdir -p "$pasta/Config"
ln -s /opt/antigo/Ortelo "$pasta/Ortelo"
ln -s /opt/antigo/Ortelo.hlp "$pasta/Ortelo.hlp"
printf '%s' "$pasta/Config/a.cfg" > "$pasta/Cfg.inf"
printf '1\r\nB\r\n' > "$pasta/Config/a.cfg"
cp -a "$pasta" "$tmp/copia4"
iniciar "$tmp/casa4"
verificar "old links are repaired" pasta_pronta "$pasta"
verificar "Cfg.inf is left alone" cmp -s "$pasta/Cfg.inf" "$tmp/copia4/Cfg.inf"
verificar "cfg files are left alone" cmp -s "$pasta/Config/a.cfg" "$tmp/copia4/Config/a.cfg"

# Launches at the same time all start, and leave one prepared folder with no stray names.
for i in $(seq 8); do iniciar "$tmp/casa5" > /dev/null & done
wait
verificar "concurrent launches leave a prepared folder" pasta_pronta "$tmp/casa5/.local/share/ortelo"
verificar "concurrent launches leave no temporary links" \
    [ "$(ls -A "$tmp/casa5/.local/share/ortelo" | sort | tr '\n' ' ')" = "Config Ortelo Ortelo.hlp " ]
for i in $(seq 8); do
    ( iniciar "$tmp/casa6"; [ "$status" -eq 0 ] ) &
    pids+=($!)
done
for pid in "${pids[@]}"; do verificar "a concurrent launch succeeds" wait "$pid"; done

# Failures: exit status 1, a Portuguese reason, nothing deleted or changed.
recusar() {  # recusar DESCRIPTION REASON HOME [XDG_DATA_HOME]
    local descricao=$1 motivo=$2 vigiada=${4:-$3} antes
    antes=$(find "$vigiada" -printf '%p %y %s %l\n' | sort)
    iniciar "$3" "${4:-}"
    verificar "$descricao: exit status 1" [ "$status" -eq 1 ]
    verificar "$descricao: says why ($saida)" grep -qF -- "$motivo" <<< "$saida"
    verificar "$descricao: changes nothing" [ "$(find "$vigiada" -printf '%p %y %s %l\n' | sort)" = "$antes" ]
}
mkdir -p "$tmp/casa7/.local/share" && echo dados > "$tmp/casa7/.local/share/ortelo"
recusar "a file where the folder should be" "um arquivo comum ocupa o lugar de uma pasta" "$tmp/casa7"
mkdir -p "$tmp/casa8/.local/share/ortelo" && echo dados > "$tmp/casa8/.local/share/ortelo/Config"
recusar "a file named Config" "um arquivo comum ocupa o lugar de uma pasta" "$tmp/casa8"
mkdir -p "$tmp/casa9/.local/share/ortelo/Config" && echo meu > "$tmp/casa9/.local/share/ortelo/Ortelo"
recusar "a file of the user's named Ortelo" "já existe e não é um link" "$tmp/casa9"

# A home the user may not write.
mkdir -m 555 "$tmp/casa10"
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$tmp/casa10"
    saida=$(setpriv --reuid=65534 --regid=65534 --clear-groups env -i PATH=/usr/bin:/bin HOME="$tmp/casa10" \
        "$prefixo/$bindir/ortelo" 2>&1)
    status=$?
else
    iniciar "$tmp/casa10"
fi
verificar "a read-only home: exit status 1" [ "$status" -eq 1 ]
verificar "a read-only home: says why ($saida)" grep -qF "permissão negada" <<< "$saida"

# A full disk while the links are made: a tiny file system without free inodes.
if [ "$(id -u)" -eq 0 ] && mkdir "$tmp/cheio" && mount -t tmpfs -o size=64k,nr_inodes=3 tmpfs "$tmp/cheio"; then
    montado=$tmp/cheio
    mkdir -p "$tmp/cheio/ortelo/Config"
    recusar "a full disk" "não há espaço livre no disco" "$tmp/casa11" "$tmp/cheio"
else
    echo "skipped: a full disk (needs root to mount a small file system)"
fi

echo "$((casos - falhas)) passed, $falhas failed"
[ "$falhas" -eq 0 ]
