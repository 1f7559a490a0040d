#!/usr/bin/env bash
# Starts the built program itself, on a virtual display, in a program folder whose Cfg.inf names
# a 90-line card, and checks on a screenshot that the card picture shows those 90 lines.
set -euo pipefail
programa=$(realpath "$1")

pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
cp "$programa" "$pasta/Ortelo"
mkdir "$pasta/Config"
{
  printf '%s\r\n' 1 B 90 1 0 Noventa 1 90 0 1
  for _ in $(seq 1081); do printf '0\r\n'; done
} > "$pasta/Config/noventa.cfg"
printf '%s' "$pasta/Config/noventa.cfg" > "$pasta/Cfg.inf"

cat > "$pasta/verificar.sh" <<'INNER'
set -u
cd "$(dirname "$0")"
./Ortelo &
pid=$!
# Without a window manager the window sits at the screen's top-left corner: the picture starts
# at (534, 1), inside the scroll box's frame. Image point (25, 400) is on the card outline only
# when the card has more than 43 lines; a first-time card leaves it button face.
resultado=1
for _ in $(seq 60); do
  sleep 0.5
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

xvfb-run -a -s "-screen 0 1024x768x24" bash "$pasta/verificar.sh"
