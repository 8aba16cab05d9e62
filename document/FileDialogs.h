#pragma once

#include "kamdeldocument_export.h"

#include <QString>

#include <functional>

class QWidget;

// Every file dialog of the document library goes through here, so that a
// test can give the answer instead of a person and nothing blocks.
class KAMDELDOCUMENT_EXPORT FileDialogs
{
public:
    enum Mode { Open, Save };
    struct Request
    {
        Mode mode;
        QString caption;
        QString start;
        QString filter;
    };
    // Returns the chosen path, empty when cancelled.
    using Handler = std::function<QString(const Request& request)>;

    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter);
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter);

    // Replaces the dialogs; an empty handler restores them. Returns the
    // previous handler.
    static Handler setHandler(Handler handler);
};
