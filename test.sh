#!/usr/bin/env bash
# Installs what is missing (the program's packages and the tests' own), builds and runs every
# test twice: plain, then under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh --testes

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$(nproc)"
  ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 300
}

run_suite build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Timings under the sanitizers mean nothing: the benchmarks are built in the plain suite only.
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DORTELO_SANITIZE=ON -DORTELO_BENCH=OFF
