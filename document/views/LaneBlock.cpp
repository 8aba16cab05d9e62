#include "LaneBlock.h"

#include "model/RingGeometry.h"
#include "model/RingLanes.h"
#include "model/XmlHelpers.h"

#include <QDataStream>
#include <QMimeData>

const QString LaneBlock::MimeType = QStringLiteral("application/x-kamdel-lane-block");

namespace {
constexpr quint32 BlockVersion = 1;
}

LaneBlock::LaneBlock(const LaneRange& source, eLedPanelSide side)
    : m_source(source)
    , m_side(side)
    , m_values(source.isEmpty() ? 0 : source.frames * source.lanes * source.columns, 0)
{
}

std::unique_ptr<QMimeData> LaneBlock::toMimeData() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const LaneRange& s = m_source;
    out << BlockVersion << qint32(s.firstFrame) << qint32(s.frames) << qint32(s.firstLane) << qint32(s.lanes)
        << qint32(s.firstColumn) << qint32(s.columns) << qint32(m_side) << m_values;
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeType, bytes);
    data->setText(tableText());
    return data;
}

LaneBlock LaneBlock::fromMimeData(const QMimeData* data)
{
    if (!data || !data->hasFormat(MimeType))
        return {};
    const QByteArray bytes = data->data(MimeType);
    QDataStream in(bytes);
    quint32 version = 0;
    qint32 fields[7] = {};
    in >> version;
    for (qint32& field : fields)
        in >> field;
    const LaneRange range { fields[0], fields[1], fields[2], fields[3], fields[4], fields[5] };
    // Whatever else put this type on the clipboard is read with care.
    if (version != BlockVersion || range.isEmpty() || range.frames > XmlHelpers::ReadBudget::MaxFrames
        || range.firstLane < 0 || range.firstLane + range.lanes > RingGeometry::Rings || range.firstColumn < 0
        || range.firstColumn >= RingGeometry::PositionsPerRing
        || range.columns > RingGeometry::PositionsPerRing)
        return {};
    LaneBlock block(range, fields[6] == Top ? Top : Bottom);
    // The values one by one: a count read straight into a vector could ask
    // for any amount of memory.
    quint32 count = 0;
    in >> count;
    if (count != quint32(block.m_values.size()) || in.device()->bytesAvailable() < qint64(count) * 4)
        return {};
    for (int& value : block.m_values) {
        qint32 read = 0;
        in >> read;
        value = read;
    }
    return in.status() == QDataStream::Ok ? block : LaneBlock();
}

QVector<QVector<int>> LaneBlock::frameValues() const
{
    const LaneRange& s = m_source;
    QVector<QVector<int>> frames(isEmpty() ? 0 : s.frames, QVector<int>(RingGeometry::LedCount, 0));
    for (int frame = 0; frame < frames.size(); ++frame) {
        for (int lane = 0; lane < s.lanes; ++lane) {
            for (int column = 0; column < s.columns; ++column)
                frames[frame][RingLanes::ledAt(s.firstLane + lane, s.column(column), m_side)]
                    = value(frame, lane, column);
        }
    }
    return frames;
}

QString LaneBlock::tableText() const
{
    QString text;
    for (const QVector<int>& frame : frameValues()) {
        QStringList cells;
        for (int value : frame)
            cells.append(QString::number(value));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
