#pragma once

#include "kamdeldocument_export.h"
#include "model/LedPanelTypes.h"

#include <QGraphicsScene>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QSet>

#include <memory>

class AbstractTreeItem;
class DeviceItem;
class DocumentEdits;
class LedCell;
class LedItem;
class LedStatesCommand;
class QGraphicsEllipseItem;
class QXmlStreamReader;
class QXmlStreamWriter;

// The drawing of one LED panel: a background (board picture or plain shape)
// and one LedItem per LED, placed by the layout of the subclass. It shows one
// frame at a time, with hints of its neighbours.
class KAMDELDOCUMENT_EXPORT AbstractLedPanelScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit AbstractLedPanelScene(DeviceItem* device, QObject* parent = nullptr);
    ~AbstractLedPanelScene() override;

    // Type 0 gives the grid layout, any other value the ring layout. The
    // caller owns the scene.
    static AbstractLedPanelScene* create(int type, DeviceItem* device);

    virtual int layoutType() const = 0;
    virtual void readXML(QXmlStreamReader& reader) = 0;
    virtual void writeXML(QXmlStreamWriter& writer) = 0;

    DeviceItem* device() const { return m_device; }
    eLedPanelSide side() const { return m_side; }
    eLedPanelBackground background() const { return m_background; }
    bool adjacentShown() const { return m_adjacentShown; }
    double ledSize() const { return LedSize; }

    const QList<LedItem*>& ledItems() const { return m_ledItems; }
    const QList<QGraphicsItem*>& simpleItems() const { return m_simpleItems; }
    const QList<QGraphicsItem*>& topImageItems() const { return m_topImageItems; }
    const QList<QGraphicsItem*>& bottomImageItems() const { return m_bottomImageItems; }

    // Clicks change cells through the document's edit path, so the document
    // learns of them; without one (a scene on its own) they write the cell.
    void setEdits(DocumentEdits* edits);
    DocumentEdits* edits() const;
    void setLedValue(LedCell* cell, int value);

    LedStatesCommand* shownFrame() const;

    // Drawing: a press on an LED toggles it and starts a stroke; every LED
    // the pointer then passes with the button held takes the same value,
    // also those it skipped over between two mouse events. A stroke is one
    // step of the history.
    void beginStroke(LedItem* item);
    // The keyboard's strokes: paintTo() adds an LED to the stroke under way,
    // endStroke() closes it.
    void paintTo(LedItem* item);
    void endStroke();
    bool isPainting() const { return m_painting; }

    // LEDs are numbered ring by ring; the rings count from the innermost,
    // and both count from 1 in what the user reads, as on the board.
    int ringCount() const;
    int ledsPerRing() const;
    int ledIndex(int ring, int position) const;
    QString ledLabel(int led) const;
    // The same words for a place given by ring and position (from 0), as
    // the LED table names its cells and rows.
    static QString placeLabel(int ring, int position);
    static QString ringLabel(int ring);
    // The label with the LED's state in the shown frame, for screen readers.
    QString ledDescription(int led) const;

    // The keyboard's focus mark, on LED `led` (-1 for none).
    int focusedLed() const { return m_focusedLed; }
    void setFocusedLed(int led);
    QGraphicsEllipseItem* focusMark() const { return m_focusMark; }
    // Rotational order (a divisor of 48; 1 for none) and mirror of every
    // click and stroke.
    void setSymmetry(int order, bool mirror);
    int symmetryOrder() const { return m_symmetryOrder; }
    bool symmetryMirror() const { return m_symmetryMirror; }

    // Radius of one LED in scene units; the layout's constructor sets it.
    double LedSize = 1.0;

public slots:
    void ledFrame(LedStatesCommand* set);
    virtual void createLayout() = 0;
    virtual void clearLayout();
    void setSide(eLedPanelSide side);
    void setBackground(eLedPanelBackground background);
    void setPanel(eLedPanelSide side, eLedPanelBackground background);
    void showBackground(bool visible);
    void showAdjacent(bool visible);
    // Forgets the shown frame and its neighbours: the LEDs draw nothing and
    // take no clicks until the next ledFrame().
    void clearFrame();

signals:
    void sideChanged(eLedPanelSide side);
    void focusedLedChanged(int led);

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

    // Adds an item the scene then owns.
    template <typename T> T* adopt(std::unique_ptr<T> item)
    {
        addItem(item.get());
        return item.release();
    }

    void appendLed(LedItem* item) { m_ledItems.append(item); }
    void appendSimple(QGraphicsItem* item) { m_simpleItems.append(item); }
    void appendTopImage(QGraphicsItem* item) { m_topImageItems.append(item); }
    void appendBottomImage(QGraphicsItem* item) { m_bottomImageItems.append(item); }

private:
    void paintLed(LedItem* item);
    void repaintChangedLeds();
    void itemsAboutToBeRemoved(const QList<AbstractTreeItem*>& roots);
    void watchFrames();
    void mirrorLeds();
    void applyVisibility();
    void paintAlong(const QPointF& from, const QPointF& to);
    void placeFocusMark();

    DeviceItem* m_device;
    eLedPanelSide m_side = Top;
    eLedPanelBackground m_background = Simple;
    QList<QGraphicsItem*> m_simpleItems;
    QList<QGraphicsItem*> m_topImageItems;
    QList<QGraphicsItem*> m_bottomImageItems;
    bool m_adjacentShown = true;
    QList<LedItem*> m_ledItems;

    int m_symmetryOrder = 1;
    bool m_symmetryMirror = false;
    // The stroke under way: its history id (0 without a document), the
    // value it paints and the LEDs it passed.
    bool m_painting = false;
    int m_stroke = 0;
    int m_strokeValue = 0;
    QSet<LedItem*> m_strokeLeds;
    // Where the pointer was at the stroke's last event.
    QPointF m_strokePoint;
    int m_focusedLed = -1;
    QGraphicsEllipseItem* m_focusMark = nullptr;

    QPointer<DocumentEdits> m_edits;
    QList<QMetaObject::Connection> m_editsConnections;
    // The frames whose cells the LED items hold; tracked so that the items
    // let go of them before the frames are freed.
    QPointer<LedStatesCommand> m_frame;
    QPointer<LedStatesCommand> m_previousFrame;
    QPointer<LedStatesCommand> m_nextFrame;
    QList<QMetaObject::Connection> m_frameConnections;
};
