#!/usr/bin/env bash
# Installs what is missing, builds the program (build/release) and makes the Debian package
# build/release/numora_<version>_<arch>.deb; install it with `sudo apt install ./numora_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMORA_BUILD_TESTS=OFF -DNUMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build/release
cd build/release
cpack -G DEB
