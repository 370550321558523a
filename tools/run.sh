#!/usr/bin/env bash
# Installs what is missing, builds Tessel, makes the sample ROM and starts
# Tessel on it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
build/cli/tessel-cli sample-rom build/sample.smc
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Tessel needs one; to run it on a virtual display:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' build/shell/tessel build/sample.smc"
  exit 0
fi
exec build/shell/tessel build/sample.smc
