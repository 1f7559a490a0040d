#!/usr/bin/env bash
# Start-up benchmark: how long Ortelo takes until its window is mapped, and its peak memory,
# against a bare Qt Widgets window, both started in turn on one virtual display.
#
#   bench/inicio.sh [-n RUNS] [-b BUILD_FOLDER] [OTHER_ORTELO...]
#
# Builds what it needs in BUILD_FOLDER (default build-bench, Release) and prints the medians of
# RUNS interleaved runs (default 7) and their ratios to the bare window, with the processor time
# each run took in all, which a busy machine disturbs less than the time to the mapping, and the
# fastest time to the mapping, which only an undisturbed run reaches. A second
# yardstick, the bare window with one line of text, shows what starting the font system alone
# costs. Further Ortelo executables given as arguments (say, an older build) join the same
# interleaved runs.
#
#   bench/inicio.sh -w WINDOWS_BUILD_FOLDER [-n RUNS] [-b BUILD_FOLDER]
#
# measures the Windows build under Wine instead (made by windows.sh; indicative only): Ortelo.exe
# against the one-line window built for Windows, each in a copy of the folder the installer packs,
# with Wine's server already running, timed by the same stopwatch.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)

rodadas=7
build="$raiz/build-bench"
windows=""
while getopts "n:b:w:" opcao; do
  case $opcao in
    n) rodadas=$OPTARG ;;
    b) build=$(realpath "$OPTARG") ;;
    w) windows=$(realpath "$OPTARG") ;;
    *) echo "usage: $0 [-n RUNS] [-b BUILD_FOLDER] [-w WINDOWS_BUILD_FOLDER] [OTHER_ORTELO...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

# Everything runs on one display of its own, so no desktop or window manager takes part.
if [ -z "${ORTELO_INICIO_NO_XVFB:-}" ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  if [ -n "$windows" ]; then
    cmake --build "$build" --target ortelo_medir_inicio >/dev/null
    cmake --build "$windows" --target Ortelo ortelo_janela_com_texto >/dev/null
    [ -d "$windows/instalador/arquivos" ] || cmake --build "$windows" --target instalador >/dev/null
  else
    cmake --build "$build" --target Ortelo ortelo_janela_nua ortelo_janela_com_texto ortelo_medir_inicio >/dev/null
  fi
  outros=()
  for programa in "$@"; do outros+=("$(realpath "$programa")"); done
  # With a session bus, as on a desktop: without one, each Qt program spawns a bus launcher at
  # its first window, which takes tens of milliseconds and varies far more than what is measured.
  sessao=()
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    sessao=(dbus-run-session --)
  fi
  exec env ORTELO_INICIO_NO_XVFB=1 "${sessao[@]}" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$0" -n "$rodadas" -b "$build" ${windows:+-w "$windows"} "${outros[@]}"
fi

medir="$build/bench/ortelo_medir_inicio"
pastas=()
trap 'rm -rf "${pastas[@]}"' EXIT
if [ -n "$windows" ]; then
  programas=("$windows/bench/ortelo_janela_com_texto.exe" "$windows/Ortelo.exe")
  nomes=("Qt window, one line of text (Wine)" "Ortelo.exe (Wine)")
  # Each in a copy of the installed folder (its DLLs, plugins and qt.conf), with no Cfg.inf.
  for i in "${!programas[@]}"; do
    pastas[i]=$(mktemp -d)
    cp -r "$windows/instalador/arquivos/." "${pastas[i]}/"
    cp "${programas[i]}" "${pastas[i]}/Ortelo.exe"
  done
  # Wine's own start (its server, its services) is not the program's: the server stays up between
  # runs, in the build's prefix, and goes with the script.
  export WINEPREFIX=$windows/wine WINEDEBUG=-all
  wineserver -p
  trap 'wineserver -k 2>/dev/null || true; rm -rf "${pastas[@]}"' EXIT
  comando=("$(command -v wine)" Ortelo.exe)
else
  programas=("$build/bench/ortelo_janela_nua" "$build/bench/ortelo_janela_com_texto" "$build/Ortelo" "$@")
  nomes=("bare Qt window" "bare Qt window, one line of text" "Ortelo ($build)" "$@")
  # Each Ortelo starts in an empty program folder of its own, with no Cfg.inf: the first-time card.
  for i in "${!programas[@]}"; do
    pastas[i]=$(mktemp -d)
    cp "${programas[i]}" "${pastas[i]}/Ortelo"
  done
  comando=(./Ortelo)
fi

# A run whose connection to the display fails (another program starting a virtual display at the
# same moment) is repeated.
medirUma() {
  local tentativa
  for tentativa in 1 2 3; do
    "$medir" "$1" "${comando[@]}" 2>/dev/null && return 0
    sleep 0.2
  done
  echo "cannot measure $1" >&2
  return 1
}

resultados=$(mktemp)
pastas+=("$resultados")
# One unmeasured run of each first, so every measured run finds the libraries in the page cache.
for i in "${!programas[@]}"; do medirUma "${pastas[i]}" >/dev/null; done
for rodada in $(seq "$rodadas"); do
  for i in "${!programas[@]}"; do
    echo "$i $(medirUma "${pastas[i]}")" >> "$resultados"
  done
  echo "run $rodada of $rodadas done" >&2
done

mediana() {  # column of the results file for one program
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$resultados" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The fastest run: what a start costs when nothing else on the machine gets in its way.
menor() {
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$resultados" | sort -n | head -1
}

tempoNua=$(mediana 0 2)
memoriaNua=$(mediana 0 3)
cpuNua=$(mediana 0 4)
menorNua=$(menor 0 2)
printf '%-40s %10s %12s %10s %10s %10s %8s %12s %10s\n' "program" "map (ms)" "peak (MB)" "time ×" "memory ×" \
  "cpu (ms)" "cpu ×" "fastest (ms)" "fastest ×"
for i in "${!programas[@]}"; do
  tempo=$(mediana "$i" 2)
  memoria=$(mediana "$i" 3)
  cpu=$(mediana "$i" 4)
  rapido=$(menor "$i" 2)
  awk -v n="${nomes[i]}" -v t="$tempo" -v m="$memoria" -v c="$cpu" -v r="$rapido" -v t0="$tempoNua" \
    -v m0="$memoriaNua" -v c0="$cpuNua" -v r0="$menorNua" \
    'BEGIN { printf "%-40s %10.1f %12.1f %10.2f %10.2f %10.1f %8.2f %12.1f %10.2f\n", n, t, m / 1024, t / t0, m / m0, c, c / c0, r, r / r0 }'
done
echo "medians (and the fastest) of $rodadas interleaved runs; all runs: $(tr '\n' ';' < "$resultados")" >&2
