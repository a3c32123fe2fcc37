#!/usr/bin/env bash
# Installs what is missing, builds and starts Orvessa.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVESSA_BUILD_TESTS=OFF -DORVESSA_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec ./build/app/orvessa "$@"
