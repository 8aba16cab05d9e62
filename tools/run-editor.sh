#!/usr/bin/env bash
# Builds the editor and starts it. When no panel port is configured yet, a
# virtual panel is started beside it and the editor's port points at it, so
# that Compile and Write, Next and Animate show their result at once.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target KamdelEditor KamdelVirtualPanel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to show the editor on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or under a virtual display: xvfb-run -a tools/run-editor.sh" >&2
    exit 1
fi

ini=build/bin/KamdelEditor.ini
link=${TMPDIR:-/tmp}/kamdel-virtual-panel
port=""
[ -f "$ini" ] && port=$(sed -n 's/^Name=//p' "$ini" | head -n 1)
panel_pid=""
if [ -z "$port" ] || [ "$port" = "COM1" ] || [ "$port" = "$link" ]; then
    echo "No panel port is configured: starting a virtual panel on $link."
    build/bin/KamdelVirtualPanel --link "$link" --quiet &
    panel_pid=$!
    trap '[ -n "$panel_pid" ] && kill "$panel_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
    if [ -z "$port" ] || [ "$port" = "COM1" ]; then
        if [ -f "$ini" ] && grep -q '^\[SerialPort\]' "$ini"; then
            sed -i "s|^Name=COM1\$|Name=$link|" "$ini"
        else
            printf '\n[SerialPort]\nName=%s\n' "$link" >> "$ini"
        fi
    fi
fi

build/bin/KamdelEditor "$@"
