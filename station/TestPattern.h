#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The program a station runs on a freshly written panel so that the
// operator sees every LED work: all LEDs on, then each ring alone, then one
// LED walking round every ring at once, and again from the start.
class TestPattern
{
    Q_DECLARE_TR_FUNCTIONS(TestPattern)

public:
    // Writes the program as a document of the panel `model` ("ZQ-RING-A");
    // false with the reason in `error`.
    static bool save(const QString& path, const QString& model, QString* error);
    static int frameCount();
    // How long frame `frame` stays before the next one: long enough for an
    // operator to look at a whole ring, quick enough to see the walk move.
    static int pauseMs(int frame);

private:
    // The LED values of frame `frame`.
    static QVector<int> frame(int frame);
};
