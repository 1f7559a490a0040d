#!/usr/bin/env bash
# Starts two copies of the built program on a virtual display, edits the card in the second, kills
# it with SIGKILL, closes the first, starts one copy again and accepts the recovery: the card then
# saved must be the one that was on screen in the copy that died. Then, on a disk whose recovery
# writes take seconds, a card saved and closed at once leaves its last recovery card behind, and
# the next start must drop it unasked, since the file holds it.
#   recupera_apos_queda.sh ORTELO ORTELO_CARTAO FSYNC_LENTO
set -euo pipefail
programa=$(realpath "$1")
unset QT_QPA_PLATFORM  # the real window, on the virtual display
cartao=$(realpath "$2")
lento=$(realpath "$3")
aqui=$(dirname "$(realpath "$0")")

source "$aqui/pasta_do_programa.sh"
PrepararPasta "$programa" 10 Dez dez.cfg
cp "$cartao" "$pasta/ortelo-cartao"

cat > "$pasta/verificar.sh" <<'INNER'
set -u
cd "$(dirname "$0")"
source "$1"
lento=$2
# Without a window manager the window sits at the screen's top-left corner and the card picture
# starts at (534, 1), inside the scroll box's frame; 543 of its rows show.
desenho() { import -window root -crop 240x543+534+1 +repage "$1"; }
mostra() { desenho agora.png && [ "$(compare -metric AE "$1" agora.png null: 2>&1)" = "0" ]; }
# Line N of the dead copy's recovery card, without its CR: the first copy holds the first slot.
recuperacao=Recuperacao-2.cfg
linha() { linha_de $recuperacao "$1" "$2"; }

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
# The recovery card is the cfg file, then 0x1A and the path of the file it belongs to, up to a NUL.
tamanho=$(stat -c %s Config/salvo.cfg)
cmp -s Config/salvo.cfg <(head -c "$tamanho" recuperacao-antes.cfg) &&
  [ "$(tail -c +$((tamanho + 1)) recuperacao-antes.cfg | tr '\0' '\n' | head -n 1)" = $'\x1a'"$PWD/Config/dez.cfg" ] ||
  falhar "the saved file differs from the card left by the killed program"
./ortelo-cartao desenhar Config/salvo.cfg -o salvo.png || falhar "ortelo-cartao could not draw the saved file"
convert salvo.png -crop 240x543+0+0 +repage salvo-visivel.png
[ "$(compare -metric AE antes.png salvo-visivel.png null: 2>&1)" = "0" ] || falhar "the saved card is not the one that was on screen"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null

# A slow disk: each recovery write takes eight seconds to reach it. One more group, written; one
# more, taken back at once (its write still on its way); Save over the file, and Ctrl+Q, which
# waits a second at most for the recovery writer.
FSYNC_LENTO_TRECHO=Recuperacao FSYNC_LENTO_MS=8000 LD_PRELOAD="$lento" ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" ./Ortelo & pid=$!
ate janela '^Ortelo - Pelunca$' >/dev/null || falhar "the window on the slow disk did not appear"
focar '^Ortelo - Pelunca$'
xdotool mousemove 498 235 click 1
ate linha_de Recuperacao.cfg 4 4 || falhar "no recovery card with four groups on the slow disk"
xdotool click 1 key ctrl+z
focar '^Ortelo - Pelunca$' && xdotool key ctrl+s
ate janela 'Salvar Arquivo' >/dev/null || falhar "no save dialog on the slow disk"
focar 'Salvar Arquivo'
xdotool key ctrl+a type --delay 20 "$PWD/Config/salvo.cfg"
xdotool key Return
# The dialog asks before replacing the file; Sim answers it.
ate bash -c "[ \$(xdotool search --all --onlyvisible --name 'Salvar Arquivo' 2>/dev/null | wc -l) -ge 2 ]" ||
  falhar "no question before replacing the file"
xdotool key alt+s
ate linha_de Config/salvo.cfg 4 4 || falhar "the card with four groups was not saved"
focar '^Ortelo - Pelunca$' && xdotool key ctrl+q
ate bash -c "! kill -0 $pid 2>/dev/null" || falhar "the copy on the slow disk did not close"
linha_de Recuperacao.cfg 4 4 || falhar "the slow disk left no stale recovery card to check the next start with"

./Ortelo & pid=$!
ate janela '^Ortelo - Pelunca$' >/dev/null || falhar "the window after the slow close did not appear"
ate test ! -f Recuperacao.cfg || falhar "the recovery card equal to its saved file was not dropped"
[ -z "$(janela '^Erro!$')" ] || falhar "a question about a card its file already holds"
[ ! -f Recuperacao-recusada.cfg ] || falhar "a card its file holds was kept as a declined one"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
echo "1 passed, 0 failed: the card on screen when the second copy died was recovered and saved, and a stale card its file holds is dropped"
INNER

# -noreset: when its last client leaves, Xvfb resets, and now and then dies in the reset, taking the
# display from the next start.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$pasta/verificar.sh" "$aqui/janela_real.sh" "$lento"
