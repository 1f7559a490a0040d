#!/usr/bin/env bash
# Starts two copies of the built program on a virtual display, edits the card in the second, kills
# it with SIGKILL, closes the first, starts one copy again and accepts the recovery: the card then
# saved must be the one that was on screen in the copy that died.
#   recupera_apos_queda.sh ORTELO ORTELO_CARTAO
set -euo pipefail
programa=$(realpath "$1")
unset QT_QPA_PLATFORM  # the real window, on the virtual display
cartao=$(realpath "$2")

source "$(dirname "$(realpath "$0")")/pasta_do_programa.sh"
PrepararPasta "$programa" 10 Dez dez.cfg
cp "$cartao" "$pasta/ortelo-cartao"

cat > "$pasta/verificar.sh" <<'INNER'
set -u
cd "$(dirname "$0")"
falhar() { echo "FAILED: $*"; kill -9 "${pid:-0}" 2>/dev/null; exit 1; }
# Every wait is for what the step is waiting for, polled, with a limit a loaded machine never reaches.
ate() { local fim=$((SECONDS + 60)); until "$@"; do [ "$SECONDS" -lt "$fim" ] || return 1; sleep 0.1; done; }
# A window of the copy started last (two copies show the same title).
janela() { xdotool search --all --onlyvisible --limit 1 --pid "$pid" --name "$1" 2>/dev/null; }
focar() { local id; id=$(janela "$1") && xdotool windowfocus --sync "$id"; }
# Without a window manager the window sits at the screen's top-left corner and the card picture
# starts at (534, 1), inside the scroll box's frame; 543 of its rows show.
desenho() { import -window root -crop 240x543+534+1 +repage "$1"; }
mostra() { desenho agora.png && [ "$(compare -metric AE "$1" agora.png null: 2>&1)" = "0" ]; }
# Line N of the dead copy's recovery card, without its CR: the first copy holds the first slot.
recuperacao=Recuperacao-2.cfg
linha() { [ -f $recuperacao ] && [ "$(sed -n "$1{s/\r$//;p}" $recuperacao)" = "$2" ]; }

./Ortelo & pid=$! primeira=$!
ate janela '^Ortelo - Pelunca$' >/dev/null || falhar "the first copy's window did not appear"
./Ortelo & pid=$!
ate janela '^Ortelo - Pelunca$' >/dev/null || falhar "the second copy's window did not appear"
focar '^Ortelo - Pelunca$'
# Two more groups with the group count's up arrow, each click once the recovery card holds the
# one before; then the current group, the first, disabled (Alt+O).
xdotool mousemove 498 235 click 1
ate linha 4 2 || falhar "no recovery card with two groups after the first click"
xdotool click 1
ate linha 4 3 || falhar "no recovery card with three groups after the second click"
xdotool key alt+o
ate linha 10 0 || falhar "the recovery card does not hold the first group disabled"
desenho antes.png
cp $recuperacao recuperacao-antes.cfg
kill -9 "$pid"; wait "$pid" 2>/dev/null
# The first copy, unchanged, closes without a question; its own slot was never written.
pid=$primeira
focar '^Ortelo - Pelunca$' && xdotool key ctrl+q
ate bash -c "! kill -0 $primeira 2>/dev/null" || falhar "the first copy did not close"
[ ! -f Recuperacao.cfg ] || falhar "the first copy left a recovery card"

./Ortelo & pid=$!
ate janela '^Erro!$' >/dev/null || falhar "no recovery question at the next start"
focar '^Erro!$' && xdotool key Return
ate mostra antes.png || falhar "the recovered card looks different"

# Save it through the real dialog: Ctrl+S, a full name, Enter.
focar '^Ortelo - Pelunca$' && xdotool key ctrl+s
ate janela 'Salvar Arquivo' >/dev/null || falhar "no save dialog"
focar 'Salvar Arquivo'
xdotool key ctrl+a type --delay 20 "$PWD/Config/salvo.cfg"
xdotool key Return
ate test ! -f $recuperacao || falhar "the recovery file is still there after saving"
[ -f Config/salvo.cfg ] || falhar "the recovered card was not saved"
# The recovery card is the cfg file, then 0x1A and the path of the file it belongs to.
tamanho=$(stat -c %s Config/salvo.cfg)
cmp -s Config/salvo.cfg <(head -c "$tamanho" recuperacao-antes.cfg) &&
  [ "$(tail -c +$((tamanho + 1)) recuperacao-antes.cfg)" = $'\x1a'"$PWD/Config/dez.cfg" ] ||
  falhar "the saved file differs from the card left by the killed program"
./ortelo-cartao desenhar Config/salvo.cfg -o salvo.png || falhar "ortelo-cartao could not draw the saved file"
convert salvo.png -crop 240x543+0+0 +repage salvo-visivel.png
[ "$(compare -metric AE antes.png salvo-visivel.png null: 2>&1)" = "0" ] || falhar "the saved card is not the one that was on screen"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
echo "1 passed, 0 failed: the card on screen when the second copy died was recovered and saved"
INNER

xvfb-run -a -s "-screen 0 1024x768x24" bash "$pasta/verificar.sh"
