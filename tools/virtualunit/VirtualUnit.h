#pragma once

#include "BslTarget.h"
#include "PacedBootLoader.h"

#include <QObject>

#include <memory>

class BoardLine;
class VirtualPanel;

// A fresh production board on one serial line: its boot loader answers until
// a jump request finds a valid application, from then on every byte goes to
// the panel application. It can be dead (never answers) or vanish after a
// given boot-loader request or panel word.
class VirtualUnit : public QObject
{
    Q_OBJECT

public:
    VirtualUnit(
        std::unique_ptr<BslTarget> bootLoader, int baud, const LineLog& log, QObject* parent = nullptr);
    ~VirtualUnit() override;

    bool open(const QString& linkPath, QString* error);
    void setDead(bool dead) { m_dead = dead; }
    void unplugAfterRequest(int request) { m_bootLoader->setCloseAfter(request); }
    void unplugAfterWord(int word) { m_unplugWord = word; }
    const BslTarget& bootLoader() const { return *m_bootLoader; }

signals:
    void unplugged();

private:
    void receive(const QByteArray& data);
    void toBootLoader(uint8_t byte, int64_t arrivalNs);
    void countWord();
    void unplug();

    std::unique_ptr<BslTarget> m_bootLoader;
    PacedBootLoader m_paced;
    const LineLog& m_log;
    BoardLine* m_line;
    VirtualPanel* m_panel;
    bool m_dead = false;
    bool m_application = false;
    bool m_gone = false;
    int m_unplugWord = 0;
    int m_words = 0;
};
