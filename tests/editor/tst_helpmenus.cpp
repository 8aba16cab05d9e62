#include "BoardLegend.h"
#include "EditorTestCase.h"
#include "HelpWindow.h"
#include "KamdelDocument.h"
#include "ShortcutsDialog.h"
#include "views/LedPanelView.h"

#include <QMenu>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

// The Help and View menus: the guide, the shortcut table, the board legend,
// and showing or hiding the parts of the window.
class tst_HelpMenus : public EditorTestCase
{
    Q_OBJECT

private slots:

    void shortcutTableListsEveryKey_data();
    void shortcutTableListsEveryKey();
    void viewMenuShowsAndHides_data();
    void viewMenuShowsAndHides();
    void viewMenuFollowsPaneHiddenElsewhere();
    void fitInViewFitsTheBoard();
    void guideCoversTheTopics();
    void f1OpensTheGuide();
    void helpWindowsOpenOnce_data();
    void helpWindowsOpenOnce();
    void legendSamplesMatchTheBoard_data();
    void legendSamplesMatchTheBoard();

private:
    void openDocument()
    {
        open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }) });
    }
    QMenu* menu(const char* name) const { return m_window->findChild<QMenu*>(QLatin1String(name)); }
};

void tst_HelpMenus::shortcutTableListsEveryKey_data()
{
    QTest::addColumn<bool>("withDocument");
    QTest::addColumn<bool>("addedLater");
    QTest::addRow("no document") << false << false;
    QTest::addRow("document open") << true << false;
    QTest::addRow("action added after the first showing") << true << true;
}

void tst_HelpMenus::shortcutTableListsEveryKey()
{
    QFETCH(bool, withDocument);
    QFETCH(bool, addedLater);
    if (withDocument)
        openDocument();
    action("action_KeyboardShortcuts")->trigger();
    if (addedLater) {
        auto* late = new QAction(QStringLiteral("Late &command"), m_window.get());
        late->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
        action("action_KeyboardShortcuts")->trigger();
    }
    auto* dialog = m_window->findChild<ShortcutsDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    const QTableWidget* table = dialog->findChild<QTableWidget*>(QStringLiteral("table_Shortcuts"));

    QSet<QString> rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << table->item(r, 1)->text() + QLatin1Char('|') + table->item(r, 2)->text();
    int withKeys = 0;
    for (const QAction* item : m_window->findChildren<QAction*>()) {
        if (item->shortcuts().isEmpty() || item->isSeparator())
            continue;
        ++withKeys;
        QStringList keys;
        for (const QKeySequence& key : item->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        const QString expected = QString(item->text()).remove(QLatin1Char('&')) + QLatin1Char('|')
            + keys.join(QStringLiteral(", "));
        QVERIFY2(rows.contains(expected), qPrintable(expected));
    }
    // One row per action with keys, none for the others.
    QCOMPARE(table->rowCount(), withKeys);
    QVERIFY(withKeys > 10);
    if (addedLater)
        QVERIFY(rows.contains(QStringLiteral("Late command|")
            + QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L).toString(QKeySequence::NativeText)));
    // The menu column names where to find the command.
    QList<QTableWidgetItem*> open = table->findItems(QStringLiteral("Open..."), Qt::MatchExactly);
    QCOMPARE(open.size(), 1);
    QCOMPARE(table->item(open.first()->row(), 0)->text(), QStringLiteral("File"));
    QList<QTableWidgetItem*> newB = table->findItems(QStringLiteral("ZQ-RING-B"), Qt::MatchExactly);
    QCOMPARE(newB.size(), 1);
    QCOMPARE(table->item(newB.first()->row(), 0)->text(), QStringLiteral("File > New"));
    dialog->close();
}

void tst_HelpMenus::viewMenuShowsAndHides_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("widget");
    QTest::addRow("File tool bar") << "File"
                                   << "toolBar_File";
    QTest::addRow("Edit tool bar") << "Edit"
                                   << "toolBar_Edit";
    QTest::addRow("Playback tool bar") << "Playback"
                                       << "toolBar_Playback";
    QTest::addRow("Symmetry tool bar") << "Symmetry"
                                       << "toolBar_Symmetry";
    QTest::addRow("report pane") << "Report pane"
                                 << "textEdit";
}

void tst_HelpMenus::viewMenuShowsAndHides()
{
    QFETCH(QString, entry);
    QFETCH(QString, widget);
    QMenu* view = menu("menu_View");
    emit view->aboutToShow();
    QAction* item = nullptr;
    for (QAction* candidate : view->actions()) {
        if (candidate->text() == entry)
            item = candidate;
    }
    QVERIFY(item);
    QWidget* target = m_window->findChild<QWidget*>(widget);
    QVERIFY(target);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(item->isChecked());
    QVERIFY(target->isVisible());

    item->trigger();
    QVERIFY2(!target->isVisible(),
        qPrintable(QStringLiteral("%1 %2").arg(item->isChecked()).arg(target->metaObject()->className())));
    emit view->aboutToShow();
    QVERIFY(!item->isChecked());
    item->trigger();
    QVERIFY(target->isVisible());
    QVERIFY(item->isChecked());
    m_window->hide();
}

void tst_HelpMenus::viewMenuFollowsPaneHiddenElsewhere()
{
    auto* pane = m_window->findChild<QTextEdit*>(QStringLiteral("textEdit"));
    pane->hide();
    emit menu("menu_View")->aboutToShow();
    QVERIFY(!action("action_ReportPane")->isChecked());
    pane->show();
    emit menu("menu_View")->aboutToShow();
    QVERIFY(action("action_ReportPane")->isChecked());
    // The same tool bars once each, however often the menu opens.
    QStringList texts;
    for (const QAction* item : menu("menu_View")->actions())
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    QCOMPARE(texts,
        QStringList({ "-", "File", "Edit", "Playback", "Symmetry", "-", "Report pane", "Ring lanes", "-",
            "Fit in view", "-", "Language" }));
}

void tst_HelpMenus::fitInViewFitsTheBoard()
{
    emit menu("menu_View")->aboutToShow();
    QVERIFY(!action("action_FitInView")->isEnabled());
    openDocument();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    emit menu("menu_View")->aboutToShow();
    QVERIFY(action("action_FitInView")->isEnabled());
    LedPanelView* board = qobject_cast<KamdelDocument*>(m_window->document())->ledPanelView();
    // Let the layout settle: the fitted scale follows the view's size.
    QCoreApplication::processEvents();
    board->zoomFit();
    const double fitted = board->zoom();
    board->zoomIn();
    board->zoomIn();
    QVERIFY2(!qFuzzyCompare(board->zoom(), fitted), qPrintable(QString::number(board->zoom())));
    action("action_FitInView")->trigger();
    QVERIFY2(qFuzzyCompare(board->zoom(), fitted),
        qPrintable(QStringLiteral("%1 %2").arg(board->zoom()).arg(fitted)));
    m_window->hide();
}

void tst_HelpMenus::guideCoversTheTopics()
{
    action("action_UserGuide")->trigger();
    auto* guide = m_window->findChild<HelpWindow*>();
    QVERIFY(guide && guide->isVisible());
    QVERIFY(QFile::exists(HelpWindow::guidePath()));
    // Read as Markdown: headings are headings, not "## ..." text, and the
    // pictures (the window and the legend) load.
    QStringList headings;
    QStringList anchors;
    QStringList links;
    int pictures = 0;
    for (QTextBlock block = guide->browser()->document()->begin(); block.isValid(); block = block.next()) {
        QVERIFY2(!block.text().startsWith(QLatin1Char('#')), qPrintable(block.text()));
        if (block.blockFormat().headingLevel() == 2)
            headings << block.text();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors += format.anchorNames();
            if (format.isAnchor() && format.anchorHref().startsWith(QLatin1Char('#')))
                links << format.anchorHref().mid(1);
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            QVERIFY2(guide->browser()
                         ->loadResource(
                             QTextDocument::ImageResource, guide->browser()->source().resolved(QUrl(name)))
                         .isValid(),
                qPrintable(name));
            ++pictures;
        }
    }
    QCOMPARE(pictures, 5);
    for (const char* topic : { "The board and the document", "Frames", "Frame tools and symmetry",
             "Ring lanes", "Effects: Generate", "Holds, repeats and the length of the show", "Examples",
             "Playback", "Writing to the panel", "Firmware update", "Files dropped on the window" })
        QVERIFY2(headings.contains(QLatin1String(topic)), topic);
    // The contents list leads to every section.
    QCOMPARE(links.size(), headings.size());
    for (const QString& link : links)
        QVERIFY2(anchors.contains(link), qPrintable(link));
    guide->close();
}

void tst_HelpMenus::f1OpensTheGuide()
{
    openDocument();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // From the board as from anywhere else in the window.
    qobject_cast<KamdelDocument*>(m_window->document())->ledPanelView()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto* guide = m_window->findChild<HelpWindow*>();
    QVERIFY(guide && guide->isVisible());
    guide->close();
    m_window->hide();
}

void tst_HelpMenus::helpWindowsOpenOnce_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("windowClass");
    QTest::addRow("guide") << "action_UserGuide"
                           << "HelpWindow";
    QTest::addRow("shortcuts") << "action_KeyboardShortcuts"
                               << "ShortcutsDialog";
    QTest::addRow("legend") << "action_BoardLegend"
                            << "BoardLegend";
}

void tst_HelpMenus::helpWindowsOpenOnce()
{
    QFETCH(QString, actionName);
    QFETCH(QString, windowClass);
    const auto count = [this, &windowClass] {
        int n = 0;
        for (const QWidget* child : m_window->findChildren<QWidget*>()) {
            if (child->inherits(qPrintable(windowClass)))
                ++n;
        }
        return n;
    };
    QAction* item = m_window->findChild<QAction*>(actionName);
    item->trigger();
    QCOMPARE(count(), 1);
    m_window->findChild<QWidget*>(windowClass)->close();
    item->trigger();
    QCOMPARE(count(), 1);
    QWidget* shown = m_window->findChild<QWidget*>(windowClass);
    QVERIFY(shown->isVisible());
    QVERIFY(shown->isWindow());
    shown->close();
}

void tst_HelpMenus::legendSamplesMatchTheBoard_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("right");
    const QColor off = QColor::fromRgba(0xFF3C3C3C);
    const QColor none = Qt::transparent;
    QTest::addRow("on") << true << false << false << QColor(Qt::yellow) << none << none;
    QTest::addRow("off") << false << false << false << off << none << none;
    QTest::addRow("previous frame: blue left") << false << true << false << off << QColor(Qt::blue) << none;
    QTest::addRow("next frame: red right") << false << false << true << off << none << QColor(Qt::red);
    QTest::addRow("both") << true << true << true << QColor(Qt::yellow) << QColor(Qt::blue)
                          << QColor(Qt::red);
}

void tst_HelpMenus::legendSamplesMatchTheBoard()
{
    QFETCH(bool, on);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(QColor, centre);
    QFETCH(QColor, left);
    QFETCH(QColor, right);
    const int size = 40 + QRandomGenerator::global()->bounded(40);
    const QImage picture = BoardLegend::sample(on, previous, next, size).toImage();
    const int middle = size / 2;
    QCOMPARE(picture.pixelColor(middle, middle), centre);
    // Between the disc's edge and the ring's.
    QCOMPARE(picture.pixelColor(3, middle).rgba(), left.rgba());
    QCOMPARE(picture.pixelColor(size - 4, middle).rgba(), right.rgba());
}

QTEST_MAIN(tst_HelpMenus)
#include "tst_helpmenus.moc"
