#pragma once

#include "romwright_export.h"

#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QString>

#include <cstdio>

// Progress lines at the bottom of a terminal, one per port, redrawn in
// place; other lines are printed above them. Does nothing when the stream is
// not a terminal.
class ROMWRIGHT_EXPORT ProgressBoard
{
public:
    explicit ProgressBoard(std::FILE* terminal);
    ProgressBoard(const ProgressBoard&) = delete;
    ProgressBoard& operator=(const ProgressBoard&) = delete;

    bool isShown() const { return m_Terminal != nullptr; }

    // Redrawn at most ten times a second, unless `now`.
    void setLine(const QString& key, const QString& text, bool now = false);
    void removeLine(const QString& key);
    // Prints `line` on `out` above the board.
    void printAbove(std::FILE* out, const QString& line);
    // Takes the board off the screen for good.
    void finish();

    // "[#####---------------]  25%"
    static QString bar(int percent);

private:
    void erase();
    void draw();

    std::FILE* m_Terminal;
    QList<QPair<QString, QString>> m_Lines;
    int m_Drawn = 0;
    QElapsedTimer m_SinceDraw;
};
