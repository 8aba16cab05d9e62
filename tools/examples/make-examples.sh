#!/bin/sh
# Builds the example shows of File > Examples with kamdel, each from a small
# start document, into editor/examples/; the editor compiles them in, so the
# files written here are committed. Run after a build:
#     tools/examples/make-examples.sh [path/to/kamdel]
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
kamdel=${1:-$root/build/bin/kamdel}
out=$root/editor/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A frame with the LEDs named lit; LED = ring * 48 + position, ring 0 inside.
frame() {
    printf '<LedStates>'
    for led in "$@"; do
        printf '<Led index="%s"><state>1</state></Led>' "$led"
    done
    printf '</LedStates>'
}

# start VERSION NAME FRAME...: a Program of those frames that starts again
# after its last command. Version 1.0 is the ZQ-RING-A, 2.0 the ZQ-RING-B.
start() {
    version=$1 doc=$work/$2.xml
    shift 2
    {
        printf '<?xml version="1.0" encoding="UTF-8"?>\n'
        printf '<LedPanelDocument version="%s" panel="ZQ-RINGx"><Commands><Program index="0">' "$version"
        printf '%s' "$@"
        printf '<Reset/></Program></Commands></LedPanelDocument>\n'
    } >"$doc"
}

# add KIND OPTION...: the effect's frames into the document started last.
add() {
    "$kamdel" generate "$doc" "$@" -o "$doc.new" >/dev/null
    mv "$doc.new" "$doc"
}

# finish: checks it fits the panel and puts it beside the others.
finish() {
    "$kamdel" compile "$doc" -o /dev/null
    cp "$doc" "$out/"
    "$kamdel" info "$doc" | sed -n 's/^Frames: //p' | xargs printf '%s: %s frames\n' "$(basename "$doc")"
}

# The LEDs of the positions named on every ring.
all_rings() {
    for ring in 0 1 2 3; do
        for position in "$@"; do
            echo $((ring * 48 + position))
        done
    done
}

dark=$(frame)
circle=$(frame $(seq 96 191))
# shellcheck disable=SC2046 # one LED a word
cross=$(frame $(all_rings 47 0 1 11 12 13 23 24 25 35 36 37))
alternate=$(frame $(seq 0 47) $(seq 96 143))

# A comet goes round once, then the rings fill and empty three LEDs at a time.
start 1.0 comet-and-fill-a "$dark"
add chase --length 6 --heads 1 --step 2 --count 24
add fill --per-frame 3 --then-empty
finish

# Two beats of the outer rings, a pulse running outward, then a rest.
start 1.0 heartbeat-a "$circle"
add blink --frame 1 --times 2
add ripple --outward --width 1
add blink --frame 3 --times 3
finish

# Sparse stars that fade out into the dark they started from.
start 1.0 starfield-a "$dark"
add twinkle --density 8 --count 40 --seed 11
add dissolve --frame 41 --to 1 --count 10 --seed 5
finish

# The rings fill one LED at a time and flash three times when full.
start 2.0 progress-ring-b "$dark"
add fill --per-frame 1
add blink --frame 49 --times 3
finish

# A thin ring runs out and back, then a wide one.
start 2.0 ripple-pulse-b "$dark"
add ripple --outward --width 1 --bounce
add ripple --outward --width 2 --bounce
finish

# A cross dissolves into two rings and back.
start 2.0 pattern-dissolve-b "$cross" "$alternate"
add dissolve --frame 1 --to 2 --count 12 --seed 3 --after 1
add dissolve --frame 14 --to 1 --count 12 --seed 4
finish

# A drawn outer ring held for 36 frames, with a comet laid over it on the
# middle rings that slows to a stop, the ring kept where the comet passes.
start 1.0 slowing-comet-a "$(frame $(seq 144 4 191))"
add hold --frame 1 --count 35
add chase --rings 2,3 --length 8 --step 3 --count 36 --over 1 --combine add --ease out
finish
