#pragma once

#include <QString>
#include <QtGlobal>

// Everything one generated effect needs, whatever asks for it (the editor's
// dialog or the command line). Each kind reads only its own fields; the
// others keep their values so that switching kinds loses nothing.
struct EffectRequest
{
    enum Kind
    {
        Spin,
        Chase,
        Fill,
        Ripple,
        Blink,
        Dissolve,
        Twinkle,
    };
    static constexpr int KindCount = Twinkle + 1;

    // How the pace of Spin and Chase runs over the frames: even, speeding
    // up, slowing down, or both.
    enum Ease
    {
        Linear,
        EaseIn,
        EaseOut,
        EaseInOut,
    };
    // How an effect's frames meet the frames they land on: replace them, or
    // light (add), darken (remove) or flip (toggle) what they light.
    enum Combine
    {
        Replace,
        Add,
        Remove,
        Toggle,
    };

    Kind kind = Chase;
    int ringMask = 0xF; // bit r: ring r, bit 0 the innermost
    int step = 1; // spin, chase: positions per frame, the sign is the sense
    int length = 4; // chase
    int heads = 1;
    int count = 48; // chase, dissolve, twinkle
    int start = 0; // fill
    int direction = 1; // +1 or -1
    int perFrame = 1;
    bool thenEmpty = false;
    bool outward = true; // ripple
    int width = 1;
    bool bounce = false;
    int times = 3; // blink
    bool invert = false;
    int density = 20; // twinkle, percent
    quint32 seed = 1; // dissolve, twinkle
    Ease ease = Linear; // spin, chase
    int densityEnd = -1; // twinkle: percent at the last frame, -1 the same as density

    // Where the frames go: inserted (today's frames untouched) or laid over
    // the frames from the chosen one on.
    bool over = false;
    Combine combine = Replace;
    // Inserted frames start as a copy of the chosen frame instead of dark,
    // so the rings the effect leaves alone keep what was drawn there.
    bool keepOtherRings = false;
};
