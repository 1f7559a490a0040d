#!/usr/bin/env bash
# Starts the built program itself, on a virtual display, in a program folder whose Cfg.inf names
# a 90-line card, and checks on a screenshot that the card picture shows those 90 lines.
set -euo pipefail
programa=$(realpath "$1")
unset QT_QPA_PLATFORM  # the real window, on the virtual display

source "$(dirname "$(realpath "$0")")/pasta_do_programa.sh"
PrepararPasta "$programa" 90 Noventa noventa.cfg

cat > "$pasta/verificar.sh" <<'INNER'
set -u
cd "$(dirname "$0")"
./Ortelo &
pid=$!
# Without a window manager the window sits at the screen's top-left corner: the picture starts
# at (534, 1), inside the scroll box's frame. Image point (25, 400) is on the card outline only
# when the card has more than 43 lines; a first-time card leaves it button face.
resultado=1
# Polled until the picture shows the card, within a limit a loaded machine never reaches.
fim=$((SECONDS + 60))
while [ "$SECONDS" -lt "$fim" ]; do
  sleep 0.2
  kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; break; }
  import -window root tela.png 2>/dev/null || continue
  cor=$(convert tela.png -format '%[fx:int(255*p{559,401}.r)],%[fx:int(255*p{559,401}.g)],%[fx:int(255*p{559,401}.b)]' info:)
  if [ "$cor" = "0,0,0" ]; then resultado=0; break; fi
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$resultado" -eq 0 ] && echo "1 passed, 0 failed: the last file was reopened" || echo "last colour seen: ${cor:-none}"
exit "$resultado"
INNER

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$pasta/verificar.sh"
