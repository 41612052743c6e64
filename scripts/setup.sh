#!/bin/sh
# Installs what building and testing marlix needs on Debian, and only what is missing.
# Called by `make run` and `make test`; safe to run again. `setup.sh fuzz` adds clang for the
# fuzz targets, `setup.sh html` Java and npm for the HTML checker.
set -e

packages="build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libcurl4-openssl-dev libjpeg62-turbo-dev libgif-dev libimagequant-dev
  libgtest-dev python3 python3-pyftpdlib"

case "${1:-}" in
  fuzz) packages="$packages clang libclang-rt-14-dev" ;;
  # Java and npm may come from elsewhere than Debian's packages: only install what is absent.
  html)
    command -v java >/dev/null 2>&1 || packages="$packages default-jre-headless"
    command -v npm >/dev/null 2>&1 || packages="$packages npm"
    ;;
esac

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
