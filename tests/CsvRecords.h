#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Splits CSV text into records of fields (RFC 4180 quoting).
inline QList<QStringList> parseCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"')
                field += text.at(++i);
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record << field;
            field.clear();
        } else if (c == '\n') {
            records << (record << field);
            record.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return records;
}
