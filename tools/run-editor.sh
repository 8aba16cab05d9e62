#!/usr/bin/env bash
# Builds the editor and starts it. When no panel port is configured yet, a
# virtual panel is started beside it and the editor talks to it for this run
# (without storing it), so that Compile and Write, Next and Animate show their
# result at once.
set -euo pipefail
cd "$(dirname "$0")/.."

# A font for the Japanese and Chinese windows, should the desktop lack one.
tools/install-deps.sh fonts-wqy-microhei
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target KamdelEditor KamdelVirtualPanel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to show the editor on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or under a virtual display: xvfb-run -a tools/run-editor.sh" >&2
    exit 1
fi

# A settings file beside the program makes the build a portable copy: it
# keeps its settings there rather than in the user's.
ini=build/bin/KamdelEditor.ini
[ -f "$ini" ] || : > "$ini"
link=${TMPDIR:-/tmp}/kamdel-virtual-panel
# Earlier versions of this script stored the virtual panel's link as the
# editor's port; it names nothing once the panel has gone.
sed -i "\|^Name=$link\$|d" "$ini"
port=$(sed -n 's/^Name=//p' "$ini" | head -n 1)
panel_pid=""
args=()
if [ -z "$port" ] || [ "$port" = "COM1" ]; then
    echo "No panel port is configured: starting a virtual panel on $link for this run."
    build/bin/KamdelVirtualPanel --link "$link" --quiet &
    panel_pid=$!
    trap '[ -n "$panel_pid" ] && kill "$panel_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
    # For this run only: the editor does not store a port given this way.
    args=(--port "$link")
fi

build/bin/KamdelEditor "${args[@]}" "$@"
