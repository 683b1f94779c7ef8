#!/usr/bin/env bash
# Builds the agent once more with both debug tools on (MARLOWINDS_ROBOVIZ and
# MARLOWINDS_ERROR_LOGGING) into build-debug/, only what the run needs, and
# plays it a few hundred cycles against the server stand-in while a listener on
# 127.0.0.1 stands in for the RoboViz monitor. Passes when draw datagrams came,
# every one well framed, the stand-in found every reply sound, the player
# ended with status 0 and left its localisation-error table.
#   scripts/debug-tools.sh [cycles]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-debug"
cycles="${1:-300}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARLOWINDS_ROBOVIZ=ON \
    -DMARLOWINDS_ERROR_LOGGING=ON -DMARLOWINDS_BUILD_TESTS=OFF -DMARLOWINDS_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target marlowinds_agent run_test_server run_draw_listener

# The player runs beside a copy of the configuration, which it reads as
# ../configuration/core and where it saves its parameter store.
work="$(mktemp -d)"
pids=()
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
mkdir -p "$work/configuration" "$work/run"
cp -r "$root/configuration/core" "$work/configuration/"

# Waits up to 60 s for a line matching pattern in a file; prints the line.
await_line() {
    for _ in $(seq 600); do
        if grep -m1 "$2" "$1" 2>/dev/null; then
            return 0
        fi
        sleep 0.1
    done
    echo "debug tools: no \"$2\" in $1" >&2
    cat "$1" >&2
    return 1
}

# The agent draws to the monitor's fixed port; a listener of another run holding
# it is waited for.
"$build/tools/run_draw_listener" --port 32769 --wait 120 --quiet 3 >"$work/listener.log" 2>&1 &
listener=$!
pids+=("$listener")
await_line "$work/listener.log" "^listening" >/dev/null

"$build/tools/run_test_server" --port 0 --cycles "$cycles" >"$work/server.log" 2>&1 &
server=$!
pids+=("$server")
port="$(await_line "$work/server.log" "^waiting for an agent" | sed 's/.*://')"

# A privileged port where nothing listens: the error logger's monitor link is
# refused at once, and no other run's stand-in on a free port is disturbed.
agent_status=0
(cd "$work/run" && timeout 120 "$build/marlowinds_agent" --server-ip 127.0.0.1 --agent-port "$port" \
    --agent-number 7 --monitor-port 1 >"$work/agent.log" 2>&1) || agent_status=$?
server_status=0
wait "$server" || server_status=$?
listener_status=0
wait "$listener" || listener_status=$?
pids=()

cat "$work/server.log" "$work/listener.log"
failed=0
if [ "$agent_status" -ne 0 ]; then
    echo "debug tools: the player ended with status $agent_status" >&2
    tail -n 20 "$work/agent.log" >&2
    failed=1
fi
if [ "$server_status" -ne 0 ]; then
    echo "debug tools: the stand-in ended with status $server_status" >&2
    failed=1
fi
if [ "$listener_status" -ne 0 ]; then
    echo "debug tools: the draw datagrams were not sound" >&2
    failed=1
fi
if ! grep -q "^Num of completed: " "$work/run/ErrorsLocalization7.txt" 2>/dev/null; then
    echo "debug tools: the player left no localisation-error table" >&2
    failed=1
fi
[ "$failed" -eq 0 ] && echo "debug tools: the player drew and logged as built"
exit "$failed"
