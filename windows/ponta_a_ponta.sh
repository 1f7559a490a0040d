#!/usr/bin/env bash
# Installs the Windows installer silently in a Wine prefix of its own and checks Ortelo.exe on a
# virtual display against the Linux build of the same sources: the card picture of three cards is
# the Linux picture pixel for pixel (the system's button face aside), the same edit in both
# windows saved through the system's own dialog gives the same bytes, a kill during an unsaved
# edit is offered back at the next start, the dialog asks before replacing a file, the question
# and the program answer Não at once, a start from a card's folder keeps Cfg.inf and the recovery
# beside Ortelo.exe, both programs answer their command lines where they were started, and the
# silent uninstaller keeps Config\*.cfg and Cfg.inf.
# Around that: the programs' and the installer's icon, version and manifest resources, the
# installed programs' entry and the Start-menu shortcuts, a running copy that stops a silent
# install and uninstall, a refused folder, and an install over the installed copy that replaces
# the program and keeps the operator's files.
#   ponta_a_ponta.sh INSTALADOR ORTELO ORTELO_CARTAO   (the last two built for Linux)
set -euo pipefail
instalador=$(realpath "$1")
programa=$(realpath "$2")
cartao=$(realpath "$3")
aqui=$(dirname "$(realpath "$0")")
unset QT_QPA_PLATFORM  # the Linux window, on the virtual display
[ -f "$instalador" ] || { echo "FAILED: no installer $instalador: build the target instalador first"; exit 1; }

source "$aqui/../tests/programa/pasta_do_programa.sh"
PrepararPasta "$programa" 10 Dez dez.cfg
cp "$cartao" "$pasta/ortelo-cartao"
export WINEPREFIX=$pasta/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$pasta"' EXIT

# Two more cards, as files of the format: every group type, names in Windows-1252, mask cells
# set; and one edited by hand, with values the window must cope with.
mkdir "$pasta/cartoes"
{
  printf '%s\r\n' 3 U 90 4 2
  printf 'Matr\xedcula\r\n1\r\n10\r\n1\r\n1\r\n'
  printf 'Quest\xf5es\r\n11\r\n50\r\n4\r\n1\r\n'
  printf '%s\r\n' "" 51 80 6 0 Fim 81 90 10 1
  for i in $(seq 1081); do [ $((i % 7)) -eq 0 ] && printf '1\r\n' || printf '0\r\n'; done
} > "$pasta/cartoes/cheio.cfg"
{
  printf '%s\r\n' 1 B 40 3 0 Um 1 1 0 1 "" 2 50 6 0 "" 40 45 15 1
  for i in $(seq 1081); do
    if [ "$i" -eq 28 ]; then printf 'x\r\n'; elif [ "$i" -gt 600 ]; then printf '1\r\n'; else printf '0\r\n'; fi
  done
} > "$pasta/cartoes/amao.cfg"
cp "$pasta/Config/dez.cfg" "$pasta/cartoes/dez.cfg"

cat > "$pasta/verificar.sh" <<'INNER'
set -u
cd "$(dirname "$0")"
source "$1"
instalador=$2
gerente=$3
# The files the installer packed, gathered beside it by the build (windows/CMakeLists.txt).
arquivos=$(dirname "$instalador")/instalador/arquivos

# Without a window manager each window's X window is its client area; the card picture starts
# at (534, 1) in it, inside the scroll box's frame, and 543 of its 850 rows show.
# The picture in the window whose client area starts at (X, Y), as it shows now. Its background
# is the system's button face by design, the window's own background: that colour stands for the
# Linux one, 0xEFEFEF; every other pixel must be Linux's.
recorte() {  # recorte X Y PNG
  local face fundo
  import -window root tela.png &&
  face=$(cor tela.png $(($1 + 534)) $(($2 + 1))) && fundo=$(cor tela.png $(($1 + 2)) $(($2 + 2))) &&
  [ "$face" = "$fundo" ] &&
  convert tela.png -crop 240x543+$(($1 + 534))+$(($2 + 1)) +repage -fill 'rgb(239,239,239)' -opaque "rgb($face)" "$3"
}
cor() { convert "$1" -crop 1x1+$2+$3 -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:; }
igual() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
mostraw() { recorte "$X" "$Y" agora.png && igual "$1" agora.png; }
janelaw() { xdotool search --all --onlyvisible --limit 1 --name "$1" 2>/dev/null; }
focarw() { local id; id=$(janelaw "$1") && xdotool windowfocus --sync "$id"; }
terminou() { ! kill -0 "$pid" 2>/dev/null; }

# The Linux build: the same edit as below in its window (two more groups with the group count's
# up arrow, the first group disabled with Alt+O), its picture, then saved through its dialog.
./Ortelo & pid=$!
ate janela '^Ortelo - Pelunca$' >/dev/null || falhar "the Linux window did not appear"
focar '^Ortelo - Pelunca$'
xdotool mousemove 498 235 click 1
ate linha_de Recuperacao.cfg 4 2 || falhar "Linux: no recovery card with two groups"
xdotool click 1
ate linha_de Recuperacao.cfg 4 3 || falhar "Linux: no recovery card with three groups"
xdotool key alt+o
ate linha_de Recuperacao.cfg 10 0 || falhar "Linux: the first group was not disabled"
import -window root -crop 240x543+534+1 +repage linux-editado.png
focar '^Ortelo - Pelunca$' && xdotool key ctrl+s
ate janela 'Salvar Arquivo' >/dev/null || falhar "Linux: no save dialog"
focar 'Salvar Arquivo'
xdotool key ctrl+a type --delay 20 "$PWD/Config/salvo.cfg"
xdotool key Return
ate test -f Config/salvo.cfg || falhar "Linux: the card was not saved"
ate test ! -f Recuperacao.cfg || falhar "Linux: the recovery card outlived the save"
focar '^Ortelo - Pelunca$' && xdotool key ctrl+q
ate terminou || falhar "Linux: the window did not close"
cp Config/salvo.cfg salvo-linux.cfg
for c in dez cheio amao; do
  ./ortelo-cartao desenhar "cartoes/$c.cfg" -o "$c.png" || falhar "ortelo-cartao could not draw $c.cfg"
  convert "$c.png" -crop 240x543+0+0 +repage "$c-cima.png"
  convert "$c.png" -crop 240x543+0+307 +repage "$c-baixo.png"
done

# From here on, what a window manager does for Wine: without it Wine waits two seconds before
# taking down each window it manages, and leaves a new window without the keyboard focus.
python3 "$gerente" & gerente_pid=$!

# The installer, silently, as a user without administrator rights: %LOCALAPPDATA%\Programs\Ortelo.
wineboot -i >/dev/null 2>&1 || falhar "Wine could not make its prefix"
wine "$instalador" /S || falhar "the silent install failed"
local_w=$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
instalado_w="$local_w\\Programs\\Ortelo"
instalado=$(winepath -u "$instalado_w")
ate test -f "$instalado/Desinstalar.exe" || falhar "nothing installed in $instalado_w"
for f in Ortelo.exe Ortelo.hlp Qt6Widgets.dll platforms/qwindows.dll translations/qtbase_pt_BR.qm; do
  [ -f "$instalado/$f" ] || falhar "the installer left out $f"
done
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ortelo' >/dev/null 2>&1 ||
  falhar "the uninstaller is not listed in the installed programs"

# Icon, version and manifest: in both programs, the installer and the uninstaller it wrote
# (icoutils' wrestool lists and extracts a program's resources).
recursos() { wrestool -l "$1" 2>/dev/null; }
texto_recurso() { wrestool -x --raw --type="$2" "$1" 2>/dev/null | tr -d '\000'; }
for exe in "$instalado/Ortelo.exe" "$instalado/ortelo-cartao.exe" "$instalador" "$instalado/Desinstalar.exe"; do
  nome=$(basename "$exe")
  recursos "$exe" | grep -q 'type=group_icon' || falhar "$nome carries no icon"
  [ "$(recursos "$exe" | grep -c 'type=icon ')" -ge 5 ] || falhar "$nome's icon lacks sizes"
  versao=$(texto_recurso "$exe" 16)
  for chave in ProductName Ortelo CompanyName 'Equipe Ortelo' ProductVersion 1.0 FileVersion 1.0.0.0; do
    grep -aqF "$chave" <<< "$versao" || falhar "$nome's version resource lacks $chave"
  done
done
for exe in Ortelo.exe ortelo-cartao.exe; do
  manifesto=$(texto_recurso "$instalado/$exe" 24)
  for item in '<longPathAware' 'PerMonitorV2' '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a' 'Microsoft.Windows.Common-Controls'; do
    grep -qF "$item" <<< "$manifesto" || falhar "$exe's manifest lacks $item"
  done
done
# Ortelo.exe's icon holds every size Windows asks for, in 32-bit colour with transparency.
mkdir icone && wrestool -x --type=14 -o icone "$instalado/Ortelo.exe" 2>/dev/null
for t in 16 24 32 48 256; do
  icotool -l icone/*.ico | grep -q -- "--width=$t --height=$t --bit-depth=32" ||
    falhar "Ortelo.exe's icon has no $t-pixel image"
done

# The installed-programs entry: its size, icon and version; the shortcuts in the Start menu.
valor() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ortelo' /v "$1" 2>/dev/null |
  tr -d '\r' | awk -v v="$1" '$1 == v { print $3 }'; }
[ "$(valor DisplayVersion)" = 1.0 ] || falhar "the installed programs list no version"
[ "$(valor DisplayIcon)" = "$instalado_w\\Ortelo.exe" ] || falhar "the installed programs list no icon"
tamanho=$(($(valor EstimatedSize)))
programa_kb=$(du -sk --apparent-size "$arquivos" | cut -f1)
[ "$tamanho" -ge $((programa_kb * 9 / 10)) ] && [ "$tamanho" -le $((programa_kb * 11 / 10)) ] ||
  falhar "the installed programs give $tamanho kB for $programa_kb kB of program files"
wine reg query 'HKCU\Software\Classes\Applications\Ortelo.exe\DefaultIcon' /ve 2>/dev/null | tr -d '\r' |
  grep -qF "$instalado_w\Ortelo.exe,0" || falhar "\"Abrir com\" has no icon for Ortelo"
menu=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")
[ -f "$menu/Ortelo.lnk" ] || falhar "no Ortelo shortcut in the Start menu"
[ -f "$menu/Cartões do Ortelo.lnk" ] || falhar "no \"Cartões do Ortelo\" shortcut in the Start menu"
tr -d '\000' < "$menu/Cartões do Ortelo.lnk" | grep -aqF 'Programs\Ortelo\Config' ||
  falhar "\"Cartões do Ortelo\" does not lead to Config\\"
cp cartoes/*.cfg "$instalado/Config/"
printf '%s' "$instalado_w\\Config\\dez.cfg" > "$instalado/Cfg.inf"

# Starts Ortelo.exe in its folder (with a card to open, if given), waits for its window, takes
# its client area's place (X, Y) and says how long the window took to be mapped.
abrir() {  # abrir DESCRIPTION [CARD]
  local id inicio=${EPOCHREALTIME/./} decimos
  xdotool mousemove 1000 750  # the pointer out of every window, so no tooltip covers the picture
  (cd "$instalado" && exec wine Ortelo.exe ${2:+"$2"}) & pid=$!
  ate janelaw '^Ortelo - Pelunca$' >/dev/null || falhar "no window of Ortelo.exe ($1)"
  decimos=$(((${EPOCHREALTIME/./} - inicio) / 100000))
  echo "Ortelo.exe ($1): window mapped after $((decimos / 10)).$((decimos % 10)) s"
  id=$(janelaw '^Ortelo - Pelunca$')
  eval "$(xdotool getwindowgeometry --shell "$id" | grep '^[XY]=')"
}
fechar() {
  focarw '^Ortelo - Pelunca$' && xdotool key ctrl+q
  ate terminou || falhar "Ortelo.exe did not close"
}

# The picture of each card, top and then scrolled to the bottom with the mouse wheel (the
# pointer then leaves the picture, so no tooltip covers it).
for c in dez cheio amao; do
  if [ $c = dez ]; then abrir "Cfg.inf names $c.cfg"; else abrir "$c.cfg on its command line" "Config\\$c.cfg"; fi
  ate mostraw "$c-cima.png" || falhar "the top of $c.cfg's picture differs from Linux's"
  xdotool mousemove $((X + 650)) $((Y + 300)) click --repeat 20 --delay 30 5 mousemove 1000 750
  ate mostraw "$c-baixo.png" || falhar "the bottom of $c.cfg's picture differs from Linux's"
  fechar
done

# A running copy stops the installer and the uninstaller: silently they end with a non-zero code
# and touch nothing. (Under Wine a running program's files could be replaced; on Windows they
# could not.) The uninstaller runs in place (_?=) so that its own exit code comes back.
programa_intacto() { (cd "$instalado" && find . -type f ! -name 'Recuperacao*' -print0 | sort -z | xargs -0 md5sum); }
abrir "running, while an install and an uninstall are tried"
programa_intacto > antes.md5
if wine "$instalador" /S; then falhar "a silent install over a running copy ended with 0"; fi
if wine "$instalado/Desinstalar.exe" /S "_?=$instalado_w"; then falhar "a silent uninstall of a running copy ended with 0"; fi
programa_intacto | cmp -s antes.md5 - || falhar "an install or uninstall tried over a running copy changed files"
kill -0 "$pid" 2>/dev/null || falhar "the running copy did not survive the tries"
fechar
# A folder the programs or Windows hold is refused, silently too, and nothing is put there.
if wine "$instalador" /S '/D=C:\windows\Ortelo'; then falhar "a silent install into C:\\windows\\Ortelo ended with 0"; fi
[ ! -e "$(winepath -u 'C:\windows\Ortelo')" ] || falhar "the refused folder C:\\windows\\Ortelo was made"
linha() { linha_de "$instalado/Recuperacao.cfg" "$1" "$2"; }

# The same edit as in the Linux window; then the copy is killed before any save.
abrir "dez.cfg, to edit" "Config\\dez.cfg"
focarw '^Ortelo - Pelunca$'
xdotool mousemove --window "$(janelaw '^Ortelo - Pelunca$')" 498 235 click 1
ate linha 4 2 || falhar "no recovery card with two groups after the first click"
xdotool click 1
ate linha 4 3 || falhar "no recovery card with three groups after the second click"
xdotool key alt+o
ate linha 10 0 || falhar "the recovery card does not hold the first group disabled"
ate mostraw linux-editado.png || falhar "the edited card's picture differs from the Linux window's"
kill -9 "$pid"; wait "$pid" 2>/dev/null
cp "$instalado/Recuperacao.cfg" recuperacao-da-copia-morta.cfg  # for the upgrade below
ate bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Ortelo - Pelunca$' 2>/dev/null)\" ]" ||
  falhar "the killed copy's window stayed"

# The next start offers the card back; Sim takes it, and it is saved through the system's dialog.
(cd "$instalado" && exec wine Ortelo.exe) & pid=$!
ate janelaw '^Erro!$' >/dev/null || falhar "no recovery question at the next start"
focarw '^Erro!$' && xdotool key Return
ate janelaw '^Ortelo - Pelunca$' >/dev/null || falhar "no window after the recovery question"
eval "$(xdotool getwindowgeometry --shell "$(janelaw '^Ortelo - Pelunca$')" | grep '^[XY]=')"
ate mostraw linux-editado.png || falhar "the recovered card is not the one on screen when the copy was killed"

# Fechar asks first; Sim opens the system's save dialog, whose name box takes keys typed at once
# (nothing focuses it), and the program ends when the card is saved. The name box holds "*.cfg".
focarw '^Ortelo - Pelunca$' && xdotool key alt+f
ate janelaw '^Erro!$' >/dev/null || falhar "no question at Fechar"
focarw '^Erro!$' && xdotool key alt+s
ate janelaw '^Salvar Arquivo' >/dev/null || falhar "no save dialog after Sim"
xdotool key End shift+Home type --delay 20 "$instalado_w\\Config\\salvo.cfg"
xdotool key Return
ate test -f "$instalado/Config/salvo.cfg" || falhar "the card was not saved through the system's dialog"
ate test ! -f "$instalado/Recuperacao.cfg" || falhar "the recovery card outlived the save"
ate terminou || falhar "Ortelo.exe did not end after the save that Fechar asked for"
cmp salvo-linux.cfg "$instalado/Config/salvo.cfg" || falhar "the file saved on Windows differs from Linux's"

# The next start shows salvo.cfg; the first group enabled again (Alt+M) and saved under the same
# name, given without its extension: the dialog adds it and asks before replacing the file.
abrir "salvo.cfg, to replace it"
focarw '^Ortelo - Pelunca$' && xdotool key alt+m
ate linha 10 1 || falhar "no recovery card with the first group enabled"
xdotool key ctrl+s
ate janelaw '^Salvar Arquivo' >/dev/null || falhar "no save dialog for the second save"
xdotool key End shift+Home type --delay 20 salvo
xdotool key Return
perguntou() { [ "$(xdotool search --onlyvisible --name '^Salvar Arquivo' 2>/dev/null | wc -l)" -ge 2 ]; }
ate perguntou || falhar "the save dialog did not ask before replacing salvo.cfg"
xdotool key Return
ate linha_de "$instalado/Config/salvo.cfg" 10 1 || falhar "Sim to the question did not replace salvo.cfg"

# Não ends the program at once: the box is gone and the program has ended well within half a
# second of the key (Qt's 100 ms accelerator animation and Wine's two-second wait took 2 s and 4 s).
focarw '^Ortelo - Pelunca$' && xdotool key alt+o
ate linha 10 0 || falhar "no recovery card with the first group disabled again"
xdotool key alt+f
ate janelaw '^Erro!$' >/dev/null || falhar "no question at Fechar after the last edit"
focarw '^Erro!$'
milissegundos() { echo $((${EPOCHREALTIME/./} / 1000)); }
inicio=$(milissegundos)
xdotool key alt+n
while [ -n "$(janelaw '^Erro!$')" ] && [ $(($(milissegundos) - inicio)) -lt 10000 ]; do :; done
caixa=$(($(milissegundos) - inicio))
while ! terminou && [ $(($(milissegundos) - inicio)) -lt 10000 ]; do :; done
fim=$(($(milissegundos) - inicio))
echo "Não at Fechar: the question was gone after $caixa ms, Ortelo.exe had ended after $fim ms"
[ "$caixa" -lt 500 ] || falhar "the question took $caixa ms to go away after Alt+N"
[ "$fim" -lt 500 ] || falhar "Ortelo.exe took $fim ms to end after Não"
[ ! -f "$instalado/Recuperacao.cfg" ] || falhar "Não left the recovery card behind"

# Started as "Abrir com" or a double-click on a card starts it, with the card's folder as its
# working directory and the card as its argument: Cfg.inf and the recovery files go beside
# Ortelo.exe, never into the card's folder.
desde_a_pasta_do_cartao() {
  local cfginf
  (cd cartoes && exec wine "$instalado_w\\Ortelo.exe" cheio.cfg) & pid=$!
  ate janelaw '^Ortelo - Pelunca$' >/dev/null || falhar "no window of Ortelo.exe started in the card's folder"
  cfginf=$(winepath -w "$PWD/cartoes/cheio.cfg")
  ate bash -c "[ \"\$(cat '$instalado/Cfg.inf')\" = '$cfginf' ]" ||
    falhar "Cfg.inf beside Ortelo.exe does not name the card of the command line ($(cat "$instalado/Cfg.inf"))"
  focarw '^Ortelo - Pelunca$' && xdotool key alt+o  # the first group disabled
  ate linha 10 0 || falhar "no recovery card beside Ortelo.exe after an edit in a copy started in the card's folder"
  ls -A cartoes | grep -qv '\.cfg$' && falhar "the card's folder holds files of the program: $(ls -A cartoes)"
  kill -9 "$pid"; wait "$pid" 2>/dev/null
  rm -f "$instalado"/Recuperacao*
}
desde_a_pasta_do_cartao

# A window program's --help, --version and usage errors reach whoever started it (here pipes:
# UTF-8, the Linux program's own texts); the companion takes a name in the ANSI code page from
# its command line and writes its report the same way.
linha_de_comando() {
  local rc=0
  wine "$instalado/Ortelo.exe" --help > ajuda-windows.txt || falhar "Ortelo.exe --help failed"
  ./Ortelo --help > ajuda-linux.txt
  cmp ajuda-linux.txt ajuda-windows.txt || falhar "Ortelo.exe --help differs from Linux's: $(head -c 300 ajuda-windows.txt)"
  [ "$(wine "$instalado/Ortelo.exe" --version)" = "$(./Ortelo --version)" ] || falhar "Ortelo.exe --version differs"
  wine "$instalado/Ortelo.exe" --x > /dev/null 2> erro-windows.txt || rc=$?
  [ "$rc" -eq 2 ] && grep -q 'opção desconhecida: --x' erro-windows.txt ||
    falhar "Ortelo.exe --x: exit $rc, $(cat erro-windows.txt)"
  rc=0
  wine "$instalado/Ortelo.exe" COM3.cfg > /dev/null 2> erro-windows.txt || rc=$?
  [ "$rc" -eq 2 ] && grep -q 'COM3 é o nome de um dispositivo do Windows' erro-windows.txt ||
    falhar "Ortelo.exe COM3.cfg: exit $rc, $(cat erro-windows.txt)"
  cp cartoes/amao.cfg "cartoes/Questões.cfg"
  (cd cartoes && ../ortelo-cartao verificar Questões.cfg > ../verificar-linux.txt)
  (cd cartoes && wine "$instalado/ortelo-cartao.exe" verificar Questões.cfg > ../verificar-windows.txt)
  grep -q '^Questões.cfg:' verificar-windows.txt && cmp verificar-linux.txt verificar-windows.txt ||
    falhar "ortelo-cartao.exe verificar Questões.cfg: $(head -c 300 verificar-windows.txt)"
  rm "cartoes/Questões.cfg"
}
linha_de_comando

# An install over the installed copy replaces the program's files, even ones an older version
# left different, and keeps the card files, Cfg.inf and the recovery files byte for byte.
cp recuperacao-da-copia-morta.cfg "$instalado/Recuperacao-2.cfg"
cp -r "$instalado/Config" config-antes-da-atualizacao
cp "$instalado/Cfg.inf" cfginf-antes-da-atualizacao
printf 'antigo' > "$instalado/Ortelo.exe"
printf 'antigo' > "$instalado/Ortelo.hlp"
rm "$instalado/platforms/qwindows.dll"
wine "$instalador" /S || falhar "the silent install over the installed copy failed"
(cd "$arquivos" && find . -type f) | while read -r f; do
  cmp -s "$arquivos/$f" "$instalado/$f" || falhar "the install over the installed copy did not replace $f"
done
diff -r config-antes-da-atualizacao "$instalado/Config" >/dev/null || falhar "the install over the installed copy changed Config\\"
cmp -s cfginf-antes-da-atualizacao "$instalado/Cfg.inf" || falhar "the install over the installed copy changed Cfg.inf"
cmp -s recuperacao-da-copia-morta.cfg "$instalado/Recuperacao-2.cfg" ||
  falhar "the install over the installed copy changed a recovery file"

# The silent uninstaller removes the program and keeps the card files and Cfg.inf.
cp -r "$instalado/Config" config-antes
cp "$instalado/Cfg.inf" cfginf-antes
wine "$instalado/Desinstalar.exe" /S || falhar "the silent uninstall failed"
ate test ! -e "$instalado/Desinstalar.exe" || falhar "the uninstaller did not finish"
for f in Ortelo.exe Qt6Core.dll platforms styles translations; do
  [ ! -e "$instalado/$f" ] || falhar "the uninstaller left $f"
done
! wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ortelo' >/dev/null 2>&1 ||
  falhar "the uninstaller is still listed in the installed programs"
diff -r config-antes "$instalado/Config" >/dev/null || falhar "the uninstaller did not keep Config\\*.cfg as they were"
[ "$(ls "$instalado/Config"/*.cfg | wc -l)" -eq 4 ] || falhar "Config\\ does not hold the four cards"
cmp -s cfginf-antes "$instalado/Cfg.inf" || falhar "the uninstaller did not keep Cfg.inf"
cmp -s recuperacao-da-copia-morta.cfg "$instalado/Recuperacao-2.cfg" || falhar "the uninstaller did not keep a recovery file"
[ ! -e "$menu/Ortelo.lnk" ] && [ ! -e "$menu/Cartões do Ortelo.lnk" ] || falhar "the uninstaller left a Start-menu shortcut"
kill "$gerente_pid"
echo "1 passed, 0 failed: Ortelo.exe installed silently under Wine shows three cards as Linux draws them, saves an edit through the system's dialog as Linux does, offers it back after a kill, asks before replacing a file, answers Não at once, keeps its files beside itself when started from a card's folder, answers its command line where it was started, and its uninstaller keeps the card files"
INNER

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$pasta/verificar.sh" "$aqui/../tests/programa/janela_real.sh" "$instalador" \
  "$aqui/gerente_de_janelas.py"
