#!/usr/bin/env bash
# Installs the Debian packages the game needs, when missing: `setup.sh play` only what
# building and playing need, `setup.sh test` (the default) everything the tests need too.
# As root it installs them with apt-get; otherwise it names the one command to run.
set -euo pipefail

purpose=${1:-test}
# Building the game and its content, and playing it.
play=(
  build-essential cmake pkg-config
  libsdl2-dev libpng-dev
  libexpat1-dev libjpeg-dev libgif-dev libmikmod-dev
  libcairo2-dev libfontconfig-dev libfreetype-dev fonts-dejavu-core
)
# The tests, the benchmarks, the fuzz targets (clang), the reference decoders
# (ImageMagick), the checks of an installation's launcher entry, metainfo and manual, and
# the desktop checks in a virtual display driven as a person would (Xvfb, xdotool).
test=(
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev imagemagick
  desktop-file-utils appstream groff-base
  xvfb xauth xdotool
)
case $purpose in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}") ;;
  *) echo "usage: scripts/setup.sh [play|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "nuPavane needs these Debian packages: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
