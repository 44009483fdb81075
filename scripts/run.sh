#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMORA_BUILD_TESTS=OFF -DNUMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build/release
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: starting numora on a virtual X server (xvfb-run)."
  exec xvfb-run -a build/release/bin/numora "$@"
fi
exec build/release/bin/numora "$@"
