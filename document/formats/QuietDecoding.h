#pragma once

#include <QtGlobal>

// While one lives, the lines libpng has Qt's PNG reader print ("libpng
// warning: ...", "libpng error: ...") are dropped on this thread: the
// import words its own refusal, and a script's standard error stays clean.
// The message handler that drops them is installed once for the process and
// hands every other message to the handler it replaced, so scopes on any
// number of threads need no installing or restoring of their own.
class QuietDecoding
{
public:
    QuietDecoding();
    ~QuietDecoding();
    Q_DISABLE_COPY(QuietDecoding)
};
