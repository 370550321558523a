#!/usr/bin/env bash
# Installs what building and testing Tessel needs on Debian 12, skipping
# packages that are already there. Run as root (or with sudo available).
set -euo pipefail

# The libretro core runs the ROM under test (it pulls a frontend in with
# it); retroarch-dev has the libretro API header; Qt Multimedia gives the
# test runs sound (Tessel builds without it and runs them silent);
# libcsv reads and quotes the CSV table files;
# libgettextpo reads and writes the PO files of text-export and text-import
# (gettext's msgfmt checks them in the tests);
# ImageMagick writes the bitmaps of another program that the tile-sheet
# tests import (they skip with a note without it).
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev zlib1g-dev xvfb xauth clang libclang-rt-14-dev
          libretro-bsnes-mercury-performance retroarch-dev qt6-multimedia-dev imagemagick libcsv-dev
          libgettextpo-dev gettext)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "Packages: all ${#packages[@]} needed are installed."
  exit 0
fi
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
echo "Packages: installing the ${#missing[@]} missing: ${missing[*]}"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
