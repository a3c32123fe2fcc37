#!/usr/bin/env bash
# Renders the main window (Sample 2, each tab, both themes) into docs/screenshots.
# Run again whenever the look changes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target screenshots
mkdir -m700 -p "${XDG_RUNTIME_DIR:=/tmp/orvessa-runtime-$(id -u)}"
export XDG_RUNTIME_DIR
QT_QPA_PLATFORM=offscreen build/app/screenshots docs/screenshots
ls docs/screenshots
