#!/bin/sh
# The generation benchmark: `marlix generate` on catalogs of 1,000 and 10,000 items (500
# categories, a KALO menu of every category on each page) beside Hugo building the same site,
# then pictures per second for 1,000 photos of 1024 by 768 (regular size and icon) beside
# vipsthumbnail making the same two sizes in one stream.
# Usage: bench/gen/run.sh [BUILD_FOLDER] (default: build). Installs hugo and libvips-tools when
# missing.
set -e
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
cmake --build "$build" --target marlix make_bench_catalog >/dev/null

missing=""
command -v hugo >/dev/null 2>&1 || missing="$missing hugo"
command -v vipsthumbnail >/dev/null 2>&1 || missing="$missing libvips-tools"
if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT INT TERM

# Runs a command and prints "seconds peak_kb".
measure() {
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>"$work/err" || {
    cat "$work/err" >&2
    exit 1
  }
  cat "$work/time"
}

printf "%-8s %10s %10s %12s %12s %8s\n" items marlix_s hugo_s marlix_mb hugo_mb ratio
for items in 1000 10000; do
  "$build/bench/gen/make_bench_catalog" "$work/catalog" "$items" 0 bench "$work/hugo"
  set -- $(measure "$build/marlix" --home "$here" generate "$work/catalog")
  m_time=$1 m_kb=$2
  pages=$(ls "$work/catalog/output" | wc -l)
  set -- $(measure hugo --quiet -s "$work/hugo" -d "$work/hugo/public")
  h_time=$1 h_kb=$2
  awk -v n="$items" -v mt="$m_time" -v ht="$h_time" -v mk="$m_kb" -v hk="$h_kb" \
    'BEGIN { printf "%-8d %10.2f %10.2f %12.1f %12.1f %8.2f\n", n, mt, ht, mk/1024, hk/1024, mt/ht }'
  echo "         ($pages files in the output folder)"
done

photos=1000
"$build/bench/gen/make_bench_catalog" "$work/photos" "$photos" "$photos" pictures "$work/unused"
set -- $(measure "$build/marlix" --home "$here" generate "$work/photos")
m_time=$1
made=$(ls "$work/photos/output" | grep -c '^[r_]i')
mkdir -p "$work/vips"
cd "$work/photos/data"
start=$(date +%s%N)
VIPS_CONCURRENCY=1 vipsthumbnail --size 250x250 -o "$work/vips/r%s.jpg[Q=80]" i*.jpg
VIPS_CONCURRENCY=1 vipsthumbnail --size 80x80 -o "$work/vips/_%s.jpg[Q=80]" i*.jpg
end=$(date +%s%N)
v_time=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.2f", ns / 1e9 }')
awk -v n="$photos" -v made="$made" -v mt="$m_time" -v vt="$v_time" 'BEGIN {
  printf "pictures: %d photos, %d files; marlix %.2f s (%.1f photos/s), vipsthumbnail %.2f s (%.1f photos/s)\n",
         n, made, mt, n / mt, vt, n / vt }'
