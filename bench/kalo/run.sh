#!/bin/sh
# Runs the four KALO programs beside their Lua 5.4 twins and prints the ratio of KALO time to
# Lua time for each (target: at most 5). Usage: bench/kalo/run.sh [BUILD_FOLDER] (default: build).
set -e
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
cmake --build "$build" --target kalo_bench >/dev/null
if ! command -v lua5.4 >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  $sudo apt-get install -y -qq lua5.4 >/dev/null
fi

# Best of three wall-clock runs of a Lua program, in seconds.
lua_time() {
  best=""
  for round in 1 2 3; do
    start=$(date +%s%N)
    lua5.4 "$1" >/dev/null
    end=$(date +%s%N)
    t=$(( end - start ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

printf "%-10s %10s %10s %8s %12s\n" program kalo_s lua_s ratio kalo_rss_kb
for name in fib loop strings sort; do
  set -- $("$build/bench/kalo/kalo_bench" "$here/$name.kalo")
  kalo=$2
  rss=$3
  lua=$(lua_time "$here/$name.lua")
  ratio=$(awk -v k="$kalo" -v l="$lua" 'BEGIN { printf "%.2f", k / l }')
  printf "%-10s %10s %10s %8s %12s\n" "$name" "$kalo" "$lua" "$ratio" "$rss"
done
