#!/usr/bin/env bash
# Starts the team: eleven players, uniform numbers 1 to 11, against the
# simulation server at the given address (default the local host).
#   ./start.sh [server-address]
# Each player runs from build/ (so that ../configuration/core is this
# repository's) and writes its output to logging/player-<number>.log.
# ./kill.sh stops exactly the players started here.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)"
server="${1:-127.0.0.1}"
agent="$root/build/marlowinds_agent"
pids="$root/build/team.pids"

if [ "$#" -gt 1 ]; then
    echo "usage: $0 [server-address]" >&2
    exit 2
fi
if [ ! -x "$agent" ]; then
    echo "start.sh: $agent not found; build it first with scripts/build.sh" >&2
    exit 1
fi
if [ -s "$pids" ]; then
    while read -r pid; do
        if [ -n "$pid" ] && [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$agent" ]; then
            echo "start.sh: a team started earlier is still running; stop it with ./kill.sh" >&2
            exit 1
        fi
    done <"$pids"
fi

mkdir -p "$root/logging"
: >"$pids"
for number in $(seq 1 11); do
    (cd "$root/build" && exec "$agent" --server-ip "$server" --agent-number "$number") \
        >"$root/logging/player-$number.log" 2>&1 &
    echo "$!" >>"$pids"
    # The server registers players one at a time; a short pause keeps the
    # uniform numbers in order.
    sleep 0.2
done
echo "started players 1 to 11 against $server (process ids in $pids)"
