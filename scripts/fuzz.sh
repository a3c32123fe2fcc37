#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour
# sanitizers) and runs each for a bounded time. Fails on any crash, hang,
# leak or sanitizer report.
#   FUZZ_SECONDS   seconds per target (default 60)
#   FUZZ_TARGETS   targets to run (default: all three)
#   FUZZ_BUILD     build folder (default: build-fuzz)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-"fuzz_links fuzz_date fuzz_ini"}
build=${FUZZ_BUILD:-$root/build-fuzz}

command -v clang++ >/dev/null || { echo "clang++ not found (apt-get install clang)" >&2; exit 2; }
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

status=0
for t in $targets; do
    # The seeds stay as committed; new inputs go to the build folder.
    work="$build/corpus/$t"
    mkdir -p "$work" "$build/artifacts/$t"
    echo "== $t: $seconds s"
    if ! "$build/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -artifact_prefix="$build/artifacts/$t/" -print_final_stats=1 \
            "$work" "$root/fuzz/corpus/$t" 2>"$build/$t.log"; then
        echo "!! $t failed; see $build/$t.log and $build/artifacts/$t/" >&2
        tail -40 "$build/$t.log" >&2
        status=1
    else
        grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$build/$t.log" | tail -2
    fi
done
exit $status
