#!/usr/bin/env bash
# Stops the players that ./start.sh started, and no other process: only the
# process ids it recorded, and only while they still run the team's program.
#   ./kill.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)"
agent="$root/build/marlowinds_agent"
pids="$root/build/team.pids"

if [ ! -f "$pids" ]; then
    echo "kill.sh: no team was started from $root"
    exit 0
fi

ours() {
    [ "$(readlink "/proc/$1/exe" 2>/dev/null)" = "$agent" ]
}

running=()
while read -r pid; do
    if [ -n "$pid" ] && ours "$pid"; then
        running+=("$pid")
    fi
done <"$pids"

for pid in "${running[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
done
# Give them a moment to end, then stop any that did not.
for _ in $(seq 1 30); do
    left=()
    for pid in "${running[@]}"; do
        if ours "$pid"; then
            left+=("$pid")
        fi
    done
    [ "${#left[@]}" -eq 0 ] && break
    sleep 0.1
done
for pid in "${running[@]}"; do
    if ours "$pid"; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
done
rm -f "$pids"
echo "stopped ${#running[@]} player(s)"
