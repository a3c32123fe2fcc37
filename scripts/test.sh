#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
trap 'rm -rf "$runtime"' EXIT
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
