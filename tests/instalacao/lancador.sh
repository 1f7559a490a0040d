#!/usr/bin/env bash
# The launcher, moved with a stand-in program (it prints its folder and its arguments) into a
# tree of its own: how it prepares, repairs and refuses the per-user program folder.
#   lancador.sh LANCADOR BINDIR PROGRAMA AJUDA   (the last three relative to the prefix)
set -uo pipefail
tmp=$(realpath "$(mktemp -d)") montado=""
trap '[ -n "$montado" ] && umount "$montado"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
lancador=$tmp/prefixo/$2/ortelo programa=$tmp/prefixo/$3 ajuda=$tmp/prefixo/$4
mkdir -p "$(dirname "$lancador")" "$(dirname "$programa")" "$(dirname "$ajuda")"
cp "$1" "$lancador" && printf '#!/bin/sh\nprintf "%%s" "$(pwd) $#"; for a do printf " [%%s]" "$a"; done; echo\n' > "$programa" && echo ajuda > "$ajuda"
chmod 755 "$lancador" "$programa"

falhas=0
verificar() { "${@:2}" || { echo "FAILED: $1 (${saida:-})"; falhas=$((falhas + 1)); }; }
iniciar() {  # iniciar HOME [XDG_DATA_HOME [as nobody]]: the launcher's output and status
    saida=$(${3:+setpriv --reuid=65534 --regid=65534 --clear-groups} env -i PATH=/usr/bin:/bin HOME="$1" \
        ${2:+XDG_DATA_HOME="$2"} "$lancador" 2>&1)
    status=$?
}
pronta() { [ -d "$1/Config" ] && [ "$(readlink "$1/Ortelo")" = "$programa" ] && [ "$(readlink "$1/Ortelo.hlp")" = "$ajuda" ]; }

iniciar "$tmp/c1"
verificar "first use runs the program in its folder, without arguments" [ "$status $saida" = "0 $tmp/c1/.local/share/ortelo 0" ]
verificar "first use prepares the folder" pronta "$tmp/c1/.local/share/ortelo"
iniciar "$tmp/c2" "$tmp/dados"
verificar "XDG_DATA_HOME is used" [ "$status $saida" = "0 $tmp/dados/ortelo 0" ]

# A card file named from the starting folder reaches the program by its full path; options pass.
pasta=$tmp/c1/.local/share/ortelo
while IFS='|' read -r argumentos esperado; do
    saida=$(cd "$tmp" && env -i PATH=/usr/bin:/bin HOME="$tmp/c1" "$lancador" $argumentos 2>&1)
    verificar "ortelo $argumentos" [ "$saida" = "$pasta $esperado" ]
done <<TABELA
cartao.cfg|1 [$tmp/cartao.cfg]
/outra/pasta/cartao.cfg|1 [/outra/pasta/cartao.cfg]
--help|1 [--help]
--version|1 [--version]
-- -x.cfg|2 [--] [$tmp/-x.cfg]
a.cfg b.cfg|2 [$tmp/a.cfg] [$tmp/b.cfg]
TABELA

p=$tmp/c3/.local/share/ortelo  # links of an older install, and the user's own files
mkdir -p "$p/Config" && ln -s /antigo/Ortelo "$p/Ortelo" && ln -s /antigo/Ortelo.hlp "$p/Ortelo.hlp"
printf 'x' > "$p/Cfg.inf" && printf '1\r\n' > "$p/Config/a.cfg" && cp -a "$p" "$tmp/copia"
iniciar "$tmp/c3"
verificar "old links are repaired" pronta "$p"
verificar "the user's files are left alone" diff -r --no-dereference -x 'Ortelo*' "$p" "$tmp/copia"
iniciar "$tmp/c9" "$(dirname "$(dirname "$ajuda")")"  # installed under ~/.local: the help is in the folder
verificar "an installed help in the folder itself is kept" [ "$status $(cat "$(dirname "$ajuda")/Ortelo.hlp")" = "0 ajuda" ]

for _ in $(seq 8); do (iniciar "$tmp/c4"; [ "$status" -eq 0 ]) & pids+=($!); done
for pid in "${pids[@]}"; do verificar "a launch at the same time as others starts" wait "$pid"; done
verificar "launches at the same time leave one prepared folder" pronta "$tmp/c4/.local/share/ortelo"
verificar "launches at the same time leave no stray names" [ "$(ls -A "$tmp/c4/.local/share/ortelo" | wc -l)" -eq 3 ]

recusar() {  # recusar DESCRIPTION REASON HOME [XDG_DATA_HOME [as nobody]]: status 1, why, nothing changed
    local vigiada=${4:-$3} antes
    antes=$(find "$vigiada" -printf '%p %y %s %l\n' | sort)
    iniciar "$3" "${4:-}" "${5:-}"
    verificar "$1: exit status 1" [ "$status" -eq 1 ]
    verificar "$1: says why" grep -qF -- "$2" <<< "$saida"
    verificar "$1: changes nothing" [ "$(find "$vigiada" -printf '%p %y %s %l\n' | sort)" = "$antes" ]
}
mkdir -p "$tmp/c5/.local/share" && echo x > "$tmp/c5/.local/share/ortelo"
recusar "a file where the folder should be" "um arquivo comum ocupa o lugar de uma pasta" "$tmp/c5"
mkdir -p "$tmp/c6/.local/share/ortelo/Config" && echo x > "$tmp/c6/.local/share/ortelo/Ortelo"
recusar "a file of the user's named Ortelo" "já existe e não é um link" "$tmp/c6"
mkdir -m 555 "$tmp/c7" && { [ "$(id -u)" -ne 0 ] || chown 65534:65534 "$tmp/c7"; }
recusar "a read-only home" "permissão negada" "$tmp/c7" "" "$([ "$(id -u)" -eq 0 ] && echo nobody)"
if [ "$(id -u)" -eq 0 ] && mkdir "$tmp/cheio" && mount -t tmpfs -o size=64k,nr_inodes=3 tmpfs "$tmp/cheio"; then
    montado=$tmp/cheio && mkdir -p "$tmp/cheio/ortelo/Config"
    recusar "a full disk while linking" "não há espaço livre no disco" "$tmp/c8" "$tmp/cheio"
else
    echo "skipped: a full disk (needs root to mount a small file system)"
fi
echo "$falhas failed"
[ "$falhas" -eq 0 ]
