#!/usr/bin/env bash
# Starts the built program on a virtual display, edits the card, kills it with SIGKILL, starts it
# again and accepts the recovery; the card then saved must be the one that was on screen.
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
esperar_janela() {
  xdotool search --sync --limit 1 --name "$1" >/dev/null 2>&1 &
  local busca=$!
  for _ in $(seq 60); do kill -0 "$busca" 2>/dev/null || { wait "$busca"; return; }; sleep 0.5; done
  kill "$busca" 2>/dev/null; return 1
}
# Without a window manager the window sits at the screen's top-left corner and the card picture
# starts at (534, 1), inside the scroll box's frame; 543 of its rows show.
desenho() { import -window root -crop 240x543+534+1 +repage "$1"; }

./Ortelo & pid=$!
esperar_janela '^Ortelo - Pelunca$' || falhar "the window did not appear"
sleep 1
# Two more groups with the group count's up arrow, then the current group disabled (Alt+O).
xdotool windowfocus --sync "$(xdotool search --limit 1 --name '^Ortelo - Pelunca$')"
xdotool mousemove 498 235 click 1 sleep 0.3 click 1 sleep 0.3
xdotool key alt+o
sleep 2
desenho antes.png
[ -f Recuperacao.cfg ] || falhar "no recovery file after the edits"
cp Recuperacao.cfg recuperacao-antes.cfg
kill -9 "$pid"; wait "$pid" 2>/dev/null

./Ortelo & pid=$!
esperar_janela '^Erro!$' || falhar "no recovery question at the next start"
pergunta=$(xdotool search --limit 1 --name '^Erro!$')
xdotool windowfocus --sync "$pergunta" key Return
esperar_janela '^Ortelo - Pelunca$' || falhar "the window did not appear after the question"
sleep 1
desenho depois.png
[ "$(compare -metric AE antes.png depois.png null: 2>&1)" = "0" ] || falhar "the recovered card looks different"

# Save it through the real dialog: Ctrl+S, a full name, Enter.
xdotool windowfocus --sync "$(xdotool search --limit 1 --name '^Ortelo - Pelunca$')" key ctrl+s
esperar_janela 'Salvar Arquivo' || falhar "no save dialog"
sleep 1
xdotool key ctrl+a type --delay 20 "$PWD/Config/salvo.cfg"
xdotool key Return
for _ in $(seq 40); do [ -f Config/salvo.cfg ] && break; sleep 0.25; done
[ -f Config/salvo.cfg ] || falhar "the recovered card was not saved"
sleep 0.5
cmp -s Config/salvo.cfg recuperacao-antes.cfg || falhar "the saved file differs from the card left by the killed program"
./ortelo-cartao desenhar Config/salvo.cfg -o salvo.png || falhar "ortelo-cartao could not draw the saved file"
convert salvo.png -crop 240x543+0+0 +repage salvo-visivel.png
[ "$(compare -metric AE antes.png salvo-visivel.png null: 2>&1)" = "0" ] || falhar "the saved card is not the one that was on screen"
[ ! -f Recuperacao.cfg ] || falhar "the recovery file is still there after saving"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
echo "1 passed, 0 failed: the card on screen at the crash was recovered and saved"
INNER

xvfb-run -a -s "-screen 0 1024x768x24" bash "$pasta/verificar.sh"
