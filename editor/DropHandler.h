#pragma once

#include <QObject>
#include <QString>

class KamdelDocument;
class MainWindow;
class QMimeData;
class QPoint;

// Files dropped on the editor's window: a panel document opens as Open
// opens it, a sequence file adds its frames after the current frame, and
// anything else is answered with what the window takes. Drops over the
// report pane are refused: it only shows what the editor reports.
class DropHandler : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Document,
        Sequence,
        Other,
    };

    DropHandler(MainWindow* window, QWidget* reportPane);
    ~DropHandler() override;

    // What a drop of `data` would do; `path` gets the local file's name.
    static Kind kindOf(const QMimeData* data, QString* path = nullptr);

    // Adds the frames of the sequence file after the document's current
    // frame (at the end of the current list when a list is current, of the
    // first program when nothing is), as one step of the history. Returns
    // the number of frames added, or -1 with `error` set when the file is
    // not a sequence file.
    static int insertSequence(KamdelDocument* document, const QString& fileName, QString* error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool overReportPane(const QPoint& windowPosition) const;
    QString announcement(Kind kind, const QString& path) const;
    void drop(Kind kind, const QString& path);

    MainWindow* window;
    QWidget* reportPane;
    // Worked out once when a drag enters: a document is told from other XML
    // by reading it, which is too slow for every move.
    Kind pendingKind = Kind::Other;
    QString pendingPath;
};
