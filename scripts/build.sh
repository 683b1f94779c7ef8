#!/usr/bin/env bash
# Sets up the machine and builds the agent (and its tests) into build/.
#   scripts/build.sh [extra cmake arguments]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$root/build" -j "$(nproc)"
