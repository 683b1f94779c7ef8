#!/usr/bin/env bash
# Prepares the league's simulation server that stands beside the repository
# (../shared/realserver) for the real-server tests and prints the command that
# starts it. Prints nothing, and says why in one line on the standard error
# stream, when there is no server that can run here; the tests then skip.
#   scripts/realserver.sh
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="$(cd "$root/.." && pwd)/shared/realserver"
start="$folder/start-server.sh"
prefix=/opt/rcssserver3d

skip() {
    echo "real server: $1; the real-server tests are skipped" >&2
    exit 0
}

[ -x "$start" ] || skip "none at $start"
"$folder/setup.sh" >/dev/null 2>&1 || skip "its setup failed (it needs root)"

loads() {
    local report
    report="$(LD_LIBRARY_PATH="$prefix/lib/simspark:$prefix/lib/rcssserver3d" ldd "$prefix/bin/rcssserver3d" 2>&1)" &&
        ! grep -qE 'not found|too short' <<<"$report"
}

# A copy of the tree that lost its symbolic links holds, in their place, small
# files that name their target. Such a tree is served through a folder of
# links of our own, so the server's tree itself stays untouched. The folder is
# built aside and renamed into place: another run may be using the old one.
links=/opt/rcssserver3d-links
if ! loads && { [ ! -d "$links" ] || ! ln -sfn "$links" "$prefix" || ! loads; }; then
    tree="$folder/tree"
    fresh="$(mktemp -d /opt/rcssserver3d-links.XXXXXX)" || skip "cannot write to /opt"
    (
        cd "$tree" || exit 1
        find . -type d -exec mkdir -p "$fresh/{}" \;
        find . \( -type f -o -type l \) -print | while read -r path; do
            target="$tree/${path#./}"
            if [ -f "$path" ] && [ "$(stat -c %s "$path")" -lt 256 ]; then
                named="$(head -c 255 "$path" | tr -d '\000')"
                if [ -n "$named" ] && [ "${named#*/}" = "$named" ] && [ -e "$(dirname "$path")/$named" ]; then
                    target="$named"
                fi
            fi
            ln -s "$target" "$fresh/$path"
        done
    ) || skip "its tree at $tree cannot be linked"
    chmod 755 "$fresh"
    rm -rf "$links.old" && { [ ! -e "$links" ] || mv "$links" "$links.old"; } && mv "$fresh" "$links"
    ln -sfn "$links" "$prefix"
    loads || skip "$prefix/bin/rcssserver3d does not load its libraries"
fi

echo "$start"
