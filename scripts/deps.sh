#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, if missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libsqlite3-dev libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev fonts-liberation2 fonts-symbola sqlite3
          poppler-utils "$@")  # poppler-utils: the report tests read PDFs with pdftotext
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
