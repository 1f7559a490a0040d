# Sourced by the scripts that drive the real window on a virtual display: failing, waiting for what
# a step waits for, and finding and focusing the window of the copy started last ($pid).
falhar() { echo "FAILED: $*"; kill -9 "${pid:-0}" 2>/dev/null; exit 1; }
# Every wait is for what the step is waiting for, polled, with a limit a loaded machine never reaches.
ate() { local fim=$((SECONDS + 60)); until "$@"; do [ "$SECONDS" -lt "$fim" ] || return 1; sleep 0.1; done; }
# A window of the copy started last (two copies show the same title).
janela() { xdotool search --all --onlyvisible --limit 1 --pid "$pid" --name "$1" 2>/dev/null; }
focar() { local id; id=$(janela "$1") && xdotool windowfocus --sync "$id"; }
# Line N of a recovery card, without its CR.
linha_de() { [ -f "$1" ] && [ "$(sed -n "$2{s/\r$//;p}" "$1")" = "$3" ]; }
