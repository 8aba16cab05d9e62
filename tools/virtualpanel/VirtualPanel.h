#pragma once

#include "WordReader.h"
#include "player/PanelProgram.h"

#include <QObject>
#include <QTimer>

#include <bitset>
#include <cstdio>

class BoardLine;

// Ties the line to the program: each received word becomes one report line
// (see main.cpp for the line formats), blocks go into program memory, and
// Reset and Next move the program. Reports go to the given stream (or
// nowhere) and to lineReported for the window. The bytes come from its own
// line (open) or from whoever feeds receive() after powerUp().
class VirtualPanel : public QObject
{
    Q_OBJECT

public:
    explicit VirtualPanel(PanelProgram::Variant variant, QObject* parent = nullptr);
    ~VirtualPanel() override;

    bool open(const QString& linkPath, int gapMs, QString* error);
    // Starts with empty program memory; an incomplete word is given up once
    // the line has been silent for gapMs.
    void powerUp(int gapMs);
    void receive(const QByteArray& data);
    void setOutput(std::FILE* stream) { m_output = stream; }
    void exitAfterSilence(int seconds);
    QString devicePath() const;
    QString linkPath() const;

signals:
    void lineReported(const QString& line);
    void frameShown(int number, int offset, const std::bitset<PanelProgram::LedCount>& leds);
    void programHeld(const QString& reason, int offset);
    void programStarted(int offset, int variant, int imageSize);
    void silenceTimedOut();
    void wordHandled();

private:
    void handle(const WordReader::Event& event);
    void takeOverImageIfWritten();
    void start();
    void step();
    void report(const QString& line);
    void deliver(const QVector<WordReader::Event>& events);

    BoardLine* m_link = nullptr;
    WordReader m_reader;
    QTimer m_gapTimer;
    PanelProgram m_program;
    std::FILE* m_output = nullptr;
    QTimer m_silenceTimer;
};
