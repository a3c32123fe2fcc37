#!/bin/sh
# Renders the Reports tab's preview pictures (resources/previews/Image1..6.png)
# from the Sample 2 plan with the report renderer. Run after a change to a
# report layout, then commit the pictures.
set -e
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target make_previews template_db
"$build/reports/make_previews" "$build/resources/startup/Orvessa.db" resources/previews
echo "Wrote resources/previews/Image1.png ... Image6.png"
