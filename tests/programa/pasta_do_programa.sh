# Sourced by the scripts that start the built program: a program folder of its own, removed on
# exit, holding the program and a Config folder, with Cfg.inf naming a one-group card there.
#   PrepararPasta PROGRAMA LINHAS NOME ARQUIVO   (sets pasta)
PrepararPasta() {
  pasta=$(mktemp -d)
  trap 'rm -rf "$pasta"' EXIT
  cp "$1" "$pasta/Ortelo"
  mkdir "$pasta/Config"
  {
    printf '%s\r\n' 1 B "$2" 1 0 "$3" 1 "$2" 0 1
    for _ in $(seq 1081); do printf '0\r\n'; done
  } > "$pasta/Config/$4"
  printf '%s' "$pasta/Config/$4" > "$pasta/Cfg.inf"
}
