#pragma once

#include "model/AbstractTreeItem.h"
#include "player/PanelProgram.h"

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class KamdelDocument;

// Plays the hosted document in the editor as the panel would: compiles it,
// runs the image with the panel's interpreter and shows each frame on the
// board by selecting its item in the tree. An edit while playing recompiles
// and goes on after the item last shown.
class PlaybackController : public QObject
{
    Q_OBJECT

public:
    // The panel's own Animate pace; Animate follows the speed chosen too.
    static constexpr int DefaultFramesPerSecond = 100;

    explicit PlaybackController(QObject* parent = nullptr);
    ~PlaybackController() override;

    static QList<int> speeds();

    void setDocument(KamdelDocument* document);
    bool isPlaying() const { return m_timer.isActive(); }
    int framesPerSecond() const { return m_framesPerSecond; }
    int framesShown() const { return m_framesShown; }
    AbstractTreeItem* shownItem() const { return m_shownItem; }
    // The LEDs of the frame shown last.
    std::bitset<PanelProgram::LedCount> leds() const;

public slots:
    void play(bool playing);
    // One frame. When nothing runs yet it goes on after the frame current
    // in the tree, or starts from the beginning (also after a hold).
    void step();
    void stop();
    void setFramesPerSecond(int framesPerSecond);

signals:
    void playingChanged(bool playing);
    void framesPerSecondChanged(int framesPerSecond);
    void message(const QString& text, int timeoutMs);
    void frameShown(int number);

private:
    bool prepare(AbstractTreeItem* startAfter = nullptr);
    void advance();
    void recompile();
    void recompileImage();
    void leave();
    void showHints(bool shown);
    QString holdText(const PanelProgram::Step& step) const;

    QPointer<KamdelDocument> m_document;
    QList<QMetaObject::Connection> m_documentConnections;
    std::unique_ptr<PanelProgram> m_program;
    bool m_running = false;
    QHash<int, QPointer<AbstractTreeItem>> m_itemAt;
    QPointer<AbstractTreeItem> m_shownItem;
    QTimer m_timer;
    int m_framesPerSecond = DefaultFramesPerSecond;
    int m_framesShown = 0;
    bool m_hintsWereShown = true;
    // The frame the last run held after: a Step from there starts over.
    QPointer<AbstractTreeItem> m_heldAfter;
};
