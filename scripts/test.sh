#!/usr/bin/env bash
# Sets up the machine, builds, and runs the whole test suite twice: a plain
# optimised build, then one under AddressSanitizer and UndefinedBehaviorSanitizer.
# Benchmarks run once at the end and only print their figures.
#   scripts/test.sh [--no-sanitize]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

sanitize=1
if [ "${1:-}" = "--no-sanitize" ]; then
    sanitize=0
fi

"$root/scripts/setup.sh"

# The real-server tests find the league's server through RCSSSERVER3D and skip
# without it.
if [ -z "${RCSSSERVER3D:-}" ]; then
    RCSSSERVER3D="$("$root/scripts/realserver.sh")"
    export RCSSSERVER3D
fi

echo "== plain build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs" --timeout 300)

echo "== debug tools build"
"$root/scripts/debug-tools.sh"

if [ "$sanitize" -eq 1 ]; then
    echo "== sanitized build"
    cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DMARLOWINDS_SANITIZE=ON \
        -DMARLOWINDS_BUILD_BENCHMARKS=OFF
    cmake --build "$root/build-sanitize" -j "$jobs"
    (cd "$root/build-sanitize" &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure -j "$jobs" --timeout 600)
fi

if [ -d "$root/build/benchmarks" ]; then
    echo "== benchmarks (figures only, not a pass/fail test)"
    for benchmark in "$root"/build/benchmarks/*_benchmark; do
        [ -x "$benchmark" ] || continue
        (cd "$root/build" && "$benchmark" --benchmark_min_time=0.2)
    done
fi

if [ -x "$root/build/tools/run_localization_harness" ]; then
    echo "== localisation accuracy (figures only; the tests guard them)"
    "$root/build/tools/run_localization_harness"
fi
