#pragma once

#include "kamdeldocument_export.h"

#include <QByteArray>
#include <QIODevice>

class QXmlStreamReader;

// The bytes of a document as the XML reader gets them, with every frame
// written as the editor writes it (its LEDs in order, each state one digit)
// passed on as one processing instruction holding the states. The reader
// then meets one token per frame instead of several hundred, which is most
// of the time a large document takes to open. Frames in any other form pass
// through unchanged and are read the long way. The instruction's target
// carries a number drawn for each source, so a file cannot pass states off
// as packed ones.
class KAMDELDOCUMENT_EXPORT FrameSource : public QIODevice
{
    Q_OBJECT

public:
    // Reads `source` from its position on; it must stay open meanwhile.
    explicit FrameSource(QIODevice* source, QObject* parent = nullptr);
    ~FrameSource() override;

    bool isSequential() const override { return true; }

    // The states of the frame whose processing instruction the reader is at,
    // when this source packed it: `count` values written to `states`.
    bool unpack(const QXmlStreamReader& reader, int* states, int count) const;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    // Moves the next part of the input to the output; false at the end.
    bool produce();
    bool readMore();
    // The states of a frame whose start tag is at `from`, and where its end
    // tag ends; false when the frame is not in the usual form, or not yet
    // whole in the input (*incomplete set).
    bool packFrame(int from, QByteArray* states, int* end, bool* incomplete) const;

    QIODevice* m_source;
    QByteArray m_target;
    QByteArray m_in;
    int m_inPos = 0;
    bool m_sourceDone = false;
    QByteArray m_out;
    int m_outPos = 0;
};
