#include "AboutDialog.h"
#include "FakeDocument.h"
#include "KamdelDocument.h"
#include "MainMenu.h"
#include "PanelPortChoice.h"
#include "RecentFiles.h"
#include "SettingsStore.h"
#include "ShowLength.h"
#include "TestWindow.h"
#include "views/FrameEditor.h"

#include <QAction>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSerialPort>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <memory>

using ActionProbe = std::function<bool(QAction*, MainWindow*)>;
Q_DECLARE_METATYPE(ActionProbe)

namespace {
QRect screensRect()
{
    QRect united;
    for (const QScreen* screen : QGuiApplication::screens())
        united = united.united(screen->geometry());
    return united;
}

QAction* action(const QWidget& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QStringList menuLayout(const QMenu* menu)
{
    QStringList items;
    for (const QAction* item : menu->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return items;
}

// The title as the window system shows it, with the modified marker applied.
QString shownTitle(const QWidget& window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}
} // namespace

// The default rectangle (300, 200) 800 x 600, kept inside the screens.
QRect defaultGeometry()
{
    const QRect screens = screensRect();
    QRect expected(300, 200, 800, 600);
    if (!screens.contains(expected)) {
        const int right = std::min(expected.right(), screens.right() - 1);
        const int bottom = std::min(expected.bottom(), screens.bottom() - 1);
        expected.setLeft(std::max(screens.left(), right - 800 + 1));
        expected.setTop(std::max(screens.top(), bottom - 600 + 1));
        expected.setRight(right);
        expected.setBottom(bottom);
    }
    return expected;
}

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStart();
    void damagedSettingsFallBack_data();
    void damagedSettingsFallBack();
    void restoreGeometry_data();
    void restoreGeometry();
    void settingsWrittenOnClose();
    void closeRefused_data();
    void closeRefused();

    void windowTitle_data();
    void windowTitle();
    void modifiedMarker();
    void hostingReplacesAndDeletes();
    void rehostingKeepsDocument();
    void connectionsNeverDoubled();
    void oldDocumentDisconnected();

    void actions_data();
    void actions();
    void noShortcutBoundTwice();
    void actionHandlers_data();
    void actionHandlers();
    void menus();
    void toolBars();
    void functionKeys_data();
    void functionKeys();
    void exitKeyClosesThroughClosePath();

    void toolButtonShowsStatusTipNotToolTip();

    void documentActionsFollowDocument();
    void editActionsBoundToLibraryDocument();
    void showLengthFollowsFramesAndSpeed();

    void aboutBox();
    void aboutBoxCloses_data();
    void aboutBoxCloses();

private:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("KamdelEditor.ini")); }
    void writeSettings(const QVariantMap& values);

    QTemporaryDir m_dir;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tollmark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Organization"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.1"));
    SettingsStore::setFileName(iniPath());
}

void tst_MainWindow::init()
{
    QFile::remove(iniPath());
}

void tst_MainWindow::cleanup()
{
    SettingsStore::close();
    const QWidgetList open = QApplication::topLevelWidgets();
    for (QWidget* widget : open) {
        if (widget->isVisible() && !widget->inherits("QTipLabel"))
            QFAIL(qPrintable(QStringLiteral("window left open: ") + widget->metaObject()->className()));
    }
}

void tst_MainWindow::writeSettings(const QVariantMap& values)
{
    QSettings settings(iniPath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

void tst_MainWindow::firstStart()
{
    TestWindow window;
    // The one USB adapter found, or none: never a name the system lacks.
    QCOMPARE(window.panelPort()->portName(),
        PanelPortChoice::startName(QString(), QString(), PanelPortChoice::detectedPorts()));
    QCOMPARE(window.panelPort()->baudRate(QSerialPort::Input), 57600);
    QCOMPARE(window.panelPort()->baudRate(QSerialPort::Output), 57600);
    QVERIFY(!window.panelPort()->isOpen());
    QVERIFY(!window.recentFiles()->isEnabled());
    QVERIFY(!window.document());
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));

    QCOMPARE(QRect(window.pos(), window.size()), defaultGeometry());
    QVERIFY(!QFile::exists(iniPath()));
}

void tst_MainWindow::damagedSettingsFallBack_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addRow("position as text") << QByteArray("[MainWindow]\nPosition=abc\n");
    QTest::addRow("size as text") << QByteArray("[MainWindow]\nSize=abc\n");
    QTest::addRow("size as a point") << QByteArray("[MainWindow]\nSize=@Point(500 400)\n");
    QTest::addRow("empty size") << QByteArray("[MainWindow]\nSize=@Size(0 0)\n");
    // Such numbers would overflow the geometry's arithmetic.
    QTest::addRow("far position") << QByteArray("[MainWindow]\nPosition=@Point(2147483647 2147483647)\n");
    QTest::addRow("huge size") << QByteArray("[MainWindow]\nSize=@Size(2000000000 2000000000)\n");
    QTest::addRow("port name as a point") << QByteArray("[SerialPort]\nName=@Point(1 2)\n");
    QTest::addRow("not an INI file") << QByteArray("\x01\x02\xff[[[=\n=\n[MainWindow\nSize=@Size(\n");
}

void tst_MainWindow::damagedSettingsFallBack()
{
    QFETCH(QByteArray, ini);
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ini);
    file.close();
    TestWindow window;
    QCOMPARE(QRect(window.pos(), window.size()), defaultGeometry());
    // The one USB adapter found, or none: never a name the system lacks.
    QCOMPARE(window.panelPort()->portName(),
        PanelPortChoice::startName(QString(), QString(), PanelPortChoice::detectedPorts()));
}

void tst_MainWindow::restoreGeometry_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");

    const QRect u = screensRect();
    QVERIFY(u.width() > 400 && u.height() > 300);

    QTest::addRow("inside the screens")
        << u.topLeft() + QPoint(10, 20) << QSize(300, 200) << QRect(u.left() + 10, u.top() + 20, 300, 200);
    QTest::addRow("right of the screens") << QPoint(u.right() + 100, u.top() + 10) << QSize(300, 200)
                                          << QRect(u.right() - 300, u.top() + 10, 300, 200);
    QTest::addRow("reaching past the right edge") << QPoint(u.right() - 100, u.top() + 10) << QSize(300, 200)
                                                  << QRect(u.right() - 300, u.top() + 10, 300, 200);
    QTest::addRow("below the screens") << QPoint(u.left() + 10, u.bottom() + 50) << QSize(300, 200)
                                       << QRect(u.left() + 10, u.bottom() - 200, 300, 200);
    QTest::addRow("left of the screens keeps its right edge")
        << QPoint(u.left() - 50, u.top() + 10) << QSize(300, 200) << QRect(u.left(), u.top() + 10, 250, 200);
    QTest::addRow("above the screens keeps its bottom edge")
        << QPoint(u.left() + 10, u.top() - 30) << QSize(300, 200) << QRect(u.left() + 10, u.top(), 300, 170);
    QTest::addRow("larger than the screens") << u.topLeft() << u.size() + QSize(100, 100)
                                             << QRect(u.left(), u.top(), u.width() - 1, u.height() - 1);
}

void tst_MainWindow::restoreGeometry()
{
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(QRect, expected);

    writeSettings(
        { { QStringLiteral("MainWindow/Position"), position }, { QStringLiteral("MainWindow/Size"), size } });
    TestWindow window;
    QCOMPARE(QRect(window.pos(), window.size()), expected);
}

void tst_MainWindow::settingsWrittenOnClose()
{
    const QString document = m_dir.filePath(QStringLiteral("recent.xml"));
    QVERIFY(QFile(document).open(QIODevice::WriteOnly));
    const QString portName = m_dir.filePath(QStringLiteral("panel-link"));
    {
        TestWindow window;
        window.move(40, 50);
        window.resize(420, 310);
        window.panelPort()->setPortName(portName);
        window.recentFiles()->addRecentFile(document);
        QVERIFY(window.close());
    }

    {
        QSettings stored(iniPath(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("MainWindow/Position")).toPoint(), QPoint(40, 50));
        QCOMPARE(stored.value(QStringLiteral("MainWindow/Size")).toSize(), QSize(420, 310));
        QCOMPARE(stored.value(QStringLiteral("SerialPort/Name")).toString(), portName);
        QCOMPARE(stored.value(QStringLiteral("RecentFiles/size")).toInt(), 1);
        QCOMPARE(stored.value(QStringLiteral("RecentFiles/1/file")).toString(), document);
    }

    TestWindow reopened;
    QCOMPARE(reopened.panelPort()->portName(), portName);
    QCOMPARE(reopened.recentFiles()->files(), QStringList { document });
    QVERIFY(reopened.recentFiles()->isEnabled());
    QCOMPARE(QRect(reopened.pos(), reopened.size()), QRect(40, 50, 420, 310));
}

void tst_MainWindow::closeRefused_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addRow("cancel keeps the window and its document") << int(QMessageBox::Cancel) << false;
    QTest::addRow("discard closes") << int(QMessageBox::Discard) << true;
}

void tst_MainWindow::closeRefused()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);

    TestWindow window;
    QPointer<FakeDocument> document = new FakeDocument;
    document->setFileName(QStringLiteral("draft.xml"));
    document->setModified(true);
    document->promptAnswer = QMessageBox::StandardButton(answer);
    window.setCurrentDocument(document);

    QCOMPARE(window.close(), closes);
    if (!closes)
        QCOMPARE(document->prompts, 1);
    QCOMPARE(document.isNull(), closes);
    QCOMPARE(window.document() == nullptr, closes);
    // Nothing reaches the settings file while the window stays.
    QCOMPARE(QFile::exists(iniPath()), closes);
}

void tst_MainWindow::windowTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("expected");

    QTest::addRow("no document") << QString() << false << QStringLiteral("Segmented LED Panel Editor");
    QTest::addRow("new document") << QStringLiteral("Kamdel_3.xml") << false
                                  << QStringLiteral("Segmented LED Panel Editor  -  Kamdel_3.xml[*]");
    QTest::addRow("saved document") << QStringLiteral("board.xml") << true
                                    << QStringLiteral("Segmented LED Panel Editor  -  board.xml[*]  (%1)");
}

void tst_MainWindow::windowTitle()
{
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QFETCH(QString, expected);

    TestWindow window;
    if (!name.isEmpty()) {
        auto* document = new FakeDocument;
        if (saved) {
            QVERIFY(document->save(m_dir.filePath(name)));
            expected = expected.arg(document->filePath());
        } else {
            document->setFileName(name);
        }
        window.setCurrentDocument(document);
    }
    QCOMPARE(window.windowTitle(), expected);
}

void tst_MainWindow::modifiedMarker()
{
    TestWindow window;
    auto* document = new FakeDocument;
    document->setFileName(QStringLiteral("Kamdel_1.xml"));
    window.setCurrentDocument(document);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(shownTitle(window), QStringLiteral("Segmented LED Panel Editor  -  Kamdel_1.xml"));
    document->setModified(true);
    QVERIFY(window.isWindowModified());
    QCOMPARE(shownTitle(window), QStringLiteral("Segmented LED Panel Editor  -  Kamdel_1.xml*"));
    document->setFileName(QStringLiteral("renamed.xml"));
    QCOMPARE(shownTitle(window), QStringLiteral("Segmented LED Panel Editor  -  renamed.xml*"));
    document->setModified(false);
    QCOMPARE(shownTitle(window), QStringLiteral("Segmented LED Panel Editor  -  renamed.xml"));

    // A document that arrives modified marks the window at once.
    auto* second = new FakeDocument;
    second->setFileName(QStringLiteral("second.xml"));
    second->setModified(true);
    second->promptAnswer = QMessageBox::Discard;
    window.setCurrentDocument(second);
    QCOMPARE(shownTitle(window), QStringLiteral("Segmented LED Panel Editor  -  second.xml*"));
    window.setCurrentDocument(nullptr);
    QVERIFY(!window.isWindowModified());
    QCOMPARE(shownTitle(window), QStringLiteral("Segmented LED Panel Editor"));
    window.hide();
}

void tst_MainWindow::hostingReplacesAndDeletes()
{
    TestWindow window;
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    QVERIFY(stack);

    QPointer<FakeDocument> first = new FakeDocument;
    window.setCurrentDocument(first);
    QCOMPARE(window.document(), first.data());
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->currentWidget(), first.data());

    QPointer<FakeDocument> second = new FakeDocument;
    window.setCurrentDocument(second);
    QVERIFY(first.isNull());
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->currentWidget(), second.data());

    window.setCurrentDocument(nullptr);
    QVERIFY(second.isNull());
    QCOMPARE(stack->count(), 0);
    QVERIFY(!window.document());
}

void tst_MainWindow::rehostingKeepsDocument()
{
    TestWindow window;
    QPointer<FakeDocument> document = new FakeDocument;
    window.setCurrentDocument(document);
    window.setCurrentDocument(document);
    QVERIFY(!document.isNull());
    QCOMPARE(window.document(), document.data());
    emit document->log(QStringLiteral("still here"));
    QCOMPARE(window.findChild<QTextEdit*>(QStringLiteral("textEdit"))->toPlainText(),
        QStringLiteral("still here"));
}

void tst_MainWindow::connectionsNeverDoubled()
{
    TestWindow window;
    auto* report = window.findChild<QTextEdit*>(QStringLiteral("textEdit"));
    auto* document = new FakeDocument;
    window.setCurrentDocument(document);
    for (int i = 0; i < 3; ++i)
        QVERIFY(QMetaObject::invokeMethod(
            &window, "setCurrentDocument_and_Connect", Q_ARG(AbstractDocument*, document)));

    emit document->log(QStringLiteral("first"));
    emit document->log(QStringLiteral("second"));
    QCOMPARE(report->toPlainText(), QStringLiteral("first\nsecond"));

    QSignalSpy titles(&window, &QWidget::windowTitleChanged);
    QVERIFY(titles.isValid());
    document->setFileName(QStringLiteral("once.xml"));
    QCOMPARE(titles.count(), 1);
}

void tst_MainWindow::oldDocumentDisconnected()
{
    TestWindow window;
    auto* report = window.findChild<QTextEdit*>(QStringLiteral("textEdit"));
    auto* old = new FakeDocument;
    window.setCurrentDocument(old);
    FakeDocument other;
    other.setFileName(QStringLiteral("other.xml"));
    // Rebinding alone does not delete, so the old document can still speak.
    QVERIFY(QMetaObject::invokeMethod(
        &window, "setCurrentDocument_and_Connect", Q_ARG(AbstractDocument*, &other)));

    emit old->log(QStringLiteral("lost"));
    old->setFileName(QStringLiteral("old.xml"));
    old->setModified(true);
    QVERIFY(report->toPlainText().isEmpty());
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Segmented LED Panel Editor  -  other.xml[*]"));

    QVERIFY(QMetaObject::invokeMethod(
        &window, "setCurrentDocument_and_Connect", Q_ARG(AbstractDocument*, nullptr)));
    emit other.log(QStringLiteral("lost too"));
    QVERIFY(report->toPlainText().isEmpty());
}

void tst_MainWindow::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QKeySequence>>("shortcuts");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<QList<QSize>>("iconSizes");
    QTest::addColumn<bool>("ownedByWindow");

    const QList<QSize> both { QSize(24, 24), QSize(36, 36) };
    const QList<QSize> small { QSize(24, 24) };
    const QList<QSize> none;
    const auto keys = [](QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); };
    const auto key = [](int k) { return QList<QKeySequence> { QKeySequence(k) }; };
    QTest::addRow("new A") << "action_NewPanel1"
                           << "ZQ-RING-A" << keys(QKeySequence::New) << "New ZQ-RING-A document" << both
                           << false;
    QTest::addRow("new B") << "action_NewPanel2"
                           << "ZQ-RING-B" << key(Qt::CTRL | Qt::SHIFT | Qt::Key_N) << "New ZQ-RING-B document"
                           << both << false;
    QTest::addRow("open") << "action_Open"
                          << "Open..." << keys(QKeySequence::Open) << "Open an existing document" << both
                          << false;
    QTest::addRow("save") << "action_Save"
                          << "Save" << keys(QKeySequence::Save) << "Save the document" << both << false;
    QTest::addRow("save as") << "action_SaveAs"
                             << "Save as..." << keys(QKeySequence::SaveAs)
                             << "Save the document under a new name" << both << false;
    QTest::addRow("undo") << "action_Undo"
                          << "Undo" << keys(QKeySequence::Undo) << "Undo the last edit" << both << false;
    QTest::addRow("redo") << "action_Redo"
                          << "Redo" << keys(QKeySequence::Redo) << "Redo the last undone edit" << both
                          << false;
    QTest::addRow("close") << "action_Close"
                           << "Close" << keys(QKeySequence::Close) << "Close the document" << none << false;
    QTest::addRow("exit") << "action_Exit"
                          << "Exit" << key(Qt::CTRL | Qt::Key_Q) << QString() << none << false;
    QTest::addRow("about") << "action_About"
                           << "About" << QList<QKeySequence>() << QString() << none << false;
    QTest::addRow("cut") << "action_Cut"
                         << "Cu&t" << keys(QKeySequence::Cut) << "Copy to clipboard and delete" << small
                         << false;
    QTest::addRow("copy") << "action_Copy"
                          << "&Copy" << keys(QKeySequence::Copy) << "Copy to clipboard" << small << false;
    QTest::addRow("paste") << "action_Paste"
                           << "&Paste" << keys(QKeySequence::Paste) << "Paste from clipboard" << small
                           << false;
    QTest::addRow("delete") << "action_Delete"
                            << "&Delete" << keys(QKeySequence::Delete) << "Delete" << none << false;
    QTest::addRow("reset") << "action_Reset"
                           << "Reset" << key(Qt::Key_F9) << QString() << none << true;
    QTest::addRow("next") << "action_Next"
                          << "Next" << key(Qt::Key_F10) << QString() << none << true;
    QTest::addRow("animate") << "action_Animate"
                             << "Animate" << QList<QKeySequence>() << QString() << both << true;
    QTest::addRow("serial port setup")
        << "action_SerialPortSetup"
        << "Serial port setup..." << QList<QKeySequence>() << QString() << none << true;
    QTest::addRow("compile and write")
        << "action_CompileAndWrite"
        << "Compile and Write..." << key(Qt::Key_F11) << QString() << none << true;
    QTest::addRow("update firmware") << "action_UpdateFirmware"
                                     << "Update firmware..." << key(Qt::Key_F12) << QString() << none << true;
    QTest::addRow("production station")
        << "action_ProductionStation"
        << "Production station..." << QList<QKeySequence>() << QString() << none << true;
}

void tst_MainWindow::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QList<QKeySequence>, shortcuts);
    QFETCH(QString, statusTip);
    QFETCH(QList<QSize>, iconSizes);
    QFETCH(bool, ownedByWindow);

    TestWindow window;
    QAction* item = window.findChild<QAction*>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), text);
    QCOMPARE(item->shortcuts(), shortcuts);
    QCOMPARE(item->statusTip(), statusTip);
    QCOMPARE(item->icon().availableSizes(QIcon::Normal, QIcon::Off), iconSizes);
    QCOMPARE(item->parent(), ownedByWindow ? static_cast<QObject*>(&window) : window.mainMenu());
    QCOMPARE(item->isCheckable(), name == QLatin1String("action_Animate"));
    QVERIFY(!item->isChecked());
}

void tst_MainWindow::noShortcutBoundTwice()
{
    TestWindow window;
    QHash<QKeySequence, QString> owners;
    for (const QAction* item : window.findChildren<QAction*>()) {
        for (const QKeySequence& sequence : item->shortcuts()) {
            QVERIFY2(!owners.contains(sequence),
                qPrintable(
                    sequence.toString() + " on " + owners.value(sequence) + " and " + item->objectName()));
            owners.insert(sequence, item->objectName());
        }
    }
}

void tst_MainWindow::actionHandlers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ActionProbe>("connectedToHandler");

    // Disconnecting succeeds exactly when the action was connected to it.
    const auto probe = [](auto handler) -> ActionProbe {
        return [handler](QAction* item, MainWindow* window) {
            return QObject::disconnect(item, &QAction::triggered, window, handler);
        };
    };
    QTest::addRow("new A") << "action_NewPanel1" << probe(&MainWindow::newDocument_KamdelPanel1);
    QTest::addRow("new B") << "action_NewPanel2" << probe(&MainWindow::newDocument_KamdelPanel2);
    QTest::addRow("open") << "action_Open" << probe(QOverload<>::of(&MainWindow::openDocument));
    QTest::addRow("save") << "action_Save" << probe(&MainWindow::saveDocument);
    QTest::addRow("save as") << "action_SaveAs" << probe(&MainWindow::saveAsDocument);
    QTest::addRow("close") << "action_Close" << probe(QOverload<>::of(&MainWindow::closeDocument));
    QTest::addRow("exit") << "action_Exit" << probe(&QWidget::close);
    QTest::addRow("about") << "action_About" << probe(&MainWindow::showAbout);
    QTest::addRow("reset") << "action_Reset" << probe(&MainWindow::resetPanel);
    QTest::addRow("next") << "action_Next" << probe(&MainWindow::nextStep);
    QTest::addRow("animate") << "action_Animate" << probe(&MainWindow::animate);
    QTest::addRow("serial port setup") << "action_SerialPortSetup" << probe(&MainWindow::setupSerialPort);
    QTest::addRow("compile and write") << "action_CompileAndWrite" << probe(&MainWindow::compileAndWrite);
    QTest::addRow("update firmware") << "action_UpdateFirmware" << probe(&MainWindow::updateFirmware);
    QTest::addRow("production station") << "action_ProductionStation" << probe(&MainWindow::startStation);
}

void tst_MainWindow::actionHandlers()
{
    QFETCH(QString, name);
    QFETCH(ActionProbe, connectedToHandler);

    TestWindow window;
    QAction* item = window.findChild<QAction*>(name);
    QVERIFY(item);
    QVERIFY(connectedToHandler(item, &window));
    // Exactly once: a second disconnect finds nothing left.
    QVERIFY(!connectedToHandler(item, &window));
}

void tst_MainWindow::menus()
{
    TestWindow window;
    QStringList titles;
    for (const QAction* item : window.mainMenu()->actions())
        titles << item->text();
    QCOMPARE(titles, QStringList({ "&File", "&Edit", "F&rame", "&View", "&Control", "&Tools", "&Help" }));

    const auto menu
        = [&window](const char* name) { return window.mainMenu()->findChild<QMenu*>(QLatin1String(name)); };
    QCOMPARE(menuLayout(menu("menu_File")),
        QStringList(
            { "&New", "Open...", "Examples", "Save", "Save as...", "Close", "-", "Import animation...",
                "Export animation...", "Export frame as PNG...", "-", "Recent Files", "-", "Exit" }));
    QCOMPARE(menuLayout(menu("menu_New")), QStringList({ "ZQ-RING-A", "ZQ-RING-B" }));
    QCOMPARE(menuLayout(menu("menu_Edit")),
        QStringList({ "Undo", "Redo", "-", "Cu&t", "&Copy", "&Paste", "&Delete" }));
    QCOMPARE(menuLayout(menu("menu_View")),
        QStringList({ "-", "File", "Edit", "Playback", "Symmetry", "-", "Report pane", "Ring lanes", "-",
            "Fit in view", "-", "Language" }));
    QCOMPARE(menuLayout(menu("menu_Control")),
        QStringList({ "-", "Compile and Write...", "Reset", "Next", "Animate", "-", "Play", "Step",
            "Stop playback", "Playback speed" }));
    QCOMPARE(menuLayout(menu("menu_PlaybackSpeed")),
        QStringList({ "1 fps", "2 fps", "5 fps", "10 fps", "25 fps", "50 fps",
            "100 fps, the panel's Animate pace" }));
    QCOMPARE(menuLayout(menu("menu_Tools")),
        QStringList({ "Serial port setup...", "Compile and Write...", "-", "Update firmware...",
            "Production station..." }));
    QCOMPARE(menuLayout(menu("menu_Help")),
        QStringList({ "User guide", "Keyboard shortcuts", "Board legend", "-", "About" }));
    QCOMPARE(menu("menu_File")->actions().at(11)->menu(), window.recentFiles());

    QStringList recent = menuLayout(window.recentFiles());
    QCOMPARE(recent.size(), 12);
    QCOMPARE(recent.mid(10), QStringList({ "-", "Clear recent files" }));
    QVERIFY(window.recentFiles()->toolTipsVisible());
}

void tst_MainWindow::toolBars()
{
    TestWindow window;
    QStringList titles;
    QList<QStringList> contents;
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        if (bar->parent() != &window)
            continue;
        titles << bar->windowTitle();
        QStringList names;
        for (const QAction* item : bar->actions())
            names << item->objectName();
        contents << names;
    }
    QCOMPARE(titles, QStringList({ "File", "Edit", "Playback", "Symmetry" }));
    QCOMPARE(contents.at(0),
        QStringList({ "action_NewPanel1", "action_NewPanel2", "action_Open", "action_Save" }));
    QCOMPARE(
        contents.at(1), QStringList({ "action_Undo", "action_Redo", "action_FrameAdd", "action_Animate" }));
    QCOMPARE(contents.at(2).mid(0, 3), QStringList({ "action_Play", "action_Step", "action_StopPlayback" }));
}

void tst_MainWindow::functionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("warnsAboutPort");
    QTest::addColumn<bool>("withDocument");
    QTest::addRow("F9 resets") << int(Qt::Key_F9) << "action_Reset" << true << false;
    QTest::addRow("F10 steps") << int(Qt::Key_F10) << "action_Next" << true << false;
    QTest::addRow("F11 compiles and writes") << int(Qt::Key_F11) << "action_CompileAndWrite" << false << true;
    QTest::addRow("F12 updates the firmware")
        << int(Qt::Key_F12) << "action_UpdateFirmware" << false << false;
}

void tst_MainWindow::functionKeys()
{
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(bool, warnsAboutPort);
    QFETCH(bool, withDocument);

    TestWindow window;
    if (withDocument)
        window.newDocument_KamdelPanel1();
    const QString absent = m_dir.filePath(QStringLiteral("no-such-port"));
    window.panelPort()->setPortName(absent);
    QSignalSpy triggered(window.findChild<QAction*>(name), &QAction::triggered);
    QVERIFY(triggered.isValid());
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key(key));
    QCOMPARE(triggered.count(), 1);
    if (warnsAboutPort)
        QCOMPARE(
            window.warnings, QStringList { QStringLiteral("Cannot connect to serial port %1!").arg(absent) });
    else if (!withDocument)
        QVERIFY(window.warnings.isEmpty());
    window.hide();
}

void tst_MainWindow::exitKeyClosesThroughClosePath()
{
    TestWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
    QSettings stored(iniPath(), QSettings::IniFormat);
    // The port was only the first one found: nothing the user chose.
    QVERIFY(!stored.contains(QStringLiteral("SerialPort/Name")));
    QVERIFY(stored.contains(QStringLiteral("MainWindow/Size")));
}

void tst_MainWindow::toolButtonShowsStatusTipNotToolTip()
{
    TestWindow window;
    QPushButton control(QStringLiteral("control"), &window);
    control.setToolTip(QStringLiteral("a push button's tip"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* bar = window.findChild<QToolBar*>(QStringLiteral("toolBar_File"));
    QVERIFY(bar);
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action(window, "action_Open")));
    QVERIFY(button);

    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &tip);
    QVERIFY(!QToolTip::isVisible());

    // Other widgets keep their tips, so the check above can fail.
    QHelpEvent controlTip(QEvent::ToolTip, QPoint(2, 2), control.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&control, &controlTip);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("a push button's tip"));
    QToolTip::hideText();

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Open an existing document"));
    window.hide();
}

void tst_MainWindow::documentActionsFollowDocument()
{
    TestWindow window;
    QAction* saveAs = action(window, "action_SaveAs");
    QAction* close = action(window, "action_Close");
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!close->isEnabled());
    // Edit actions stay enabled and do nothing without a document.
    QVERIFY(action(window, "action_Cut")->isEnabled());
    action(window, "action_Cut")->trigger();

    auto* document = new FakeDocument;
    window.setCurrentDocument(document);
    QVERIFY(saveAs->isEnabled());
    QVERIFY(close->isEnabled());
    // Not a library document: nothing for the Edit actions to reach.
    QVERIFY(window.mainMenu()->connectDocument(document).isEmpty());

    window.setCurrentDocument(nullptr);
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!close->isEnabled());
}

void tst_MainWindow::showLengthFollowsFramesAndSpeed()
{
    TestWindow window;
    window.newDocument_KamdelPanel1();
    window.setPlaybackSpeed(10);
    QCOMPARE(window.showLength()->text(), QStringLiteral("1 frame, 0.1 s at 10 per second"));
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    document->frameEditor()->insertFrames(QVector<QVector<int>>(299).toList(), QStringLiteral("Add"));
    QCOMPARE(window.showLength()->text(), QStringLiteral("300 frames, 30.0 s at 10 per second"));
    window.setPlaybackSpeed(25);
    QCOMPARE(window.showLength()->text(), QStringLiteral("300 frames, 12.0 s at 25 per second"));
    action(window, "action_Undo")->trigger();
    QCOMPARE(window.showLength()->text(), QStringLiteral("1 frame, 0.0 s at 25 per second"));
}

void tst_MainWindow::editActionsBoundToLibraryDocument()
{
    TestWindow window;
    window.newDocument_KamdelPanel1();
    QPointer<KamdelDocument> document = qobject_cast<KamdelDocument*>(window.document());
    QVERIFY(document);

    struct Binding
    {
        const char* action;
        void (KamdelDocument::*slot)();
    };
    const Binding bindings[] = {
        { "action_Cut", &KamdelDocument::cutData },
        { "action_Copy", &KamdelDocument::copyData },
        { "action_Paste", &KamdelDocument::pasteData },
        { "action_Delete", &KamdelDocument::deleteData },
    };

    // Bound again to the same document: still one connection each.
    QVERIFY(QMetaObject::invokeMethod(
        &window, "setCurrentDocument_and_Connect", Q_ARG(AbstractDocument*, document.data())));
    FakeDocument other;
    QVERIFY(QMetaObject::invokeMethod(
        &window, "setCurrentDocument_and_Connect", Q_ARG(AbstractDocument*, &other)));
    // Moving to another document undid the bindings to the library document.
    for (const Binding& binding : bindings)
        QVERIFY2(!QObject::disconnect(
                     action(window, binding.action), &QAction::triggered, document.data(), binding.slot),
            binding.action);

    QVERIFY(QMetaObject::invokeMethod(
        &window, "setCurrentDocument_and_Connect", Q_ARG(AbstractDocument*, document.data())));
    for (const Binding& binding : bindings) {
        QVERIFY2(QObject::disconnect(
                     action(window, binding.action), &QAction::triggered, document.data(), binding.slot),
            binding.action);
    }
    window.setCurrentDocument(nullptr);
    QVERIFY(document.isNull());
}

void tst_MainWindow::aboutBox()
{
    TestWindow window;
    QString title;
    QStringList lines;
    QString name;
    bool contextHelp = true;
    QObject* parent = &window;
    window.aboutHandler = [&](AboutDialog& dialog) {
        title = dialog.windowTitle();
        lines = dialog.findChild<QLabel*>(QStringLiteral("label_version"))->text().split(QLatin1Char('\n'));
        name = dialog.findChild<QLabel*>(QStringLiteral("label"))->text();
        contextHelp = dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
        parent = dialog.parent();
        return int(QDialog::Rejected);
    };
    action(window, "action_About")->trigger();

    QCOMPARE(window.aboutShown, 1);
    QCOMPARE(title, QStringLiteral("Segmented LED Panel Editor"));
    QCOMPARE(name, QStringLiteral("Segmented LED Panel Editor"));
    QCOMPARE(lines,
        QStringList(
            { "Version ", "  KamdelEditor: 0.1.1", "  KamdelDocument: " + KamdelDocument::version(), "" }));
    QVERIFY(!contextHelp);
    QVERIFY(!parent);
}

void tst_MainWindow::aboutBoxCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("Close button") << "button";
    QTest::addRow("Escape key") << "escape";
    QTest::addRow("title bar close") << "window";
}

void tst_MainWindow::aboutBoxCloses()
{
    QFETCH(QString, how);

    TestWindow window;
    bool closed = false;
    window.aboutHandler = [&](AboutDialog& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return -1;
        if (how == QLatin1String("button"))
            QTest::mouseClick(
                dialog.findChild<QPushButton*>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        closed = !dialog.isVisible();
        return dialog.result();
    };
    action(window, "action_About")->trigger();
    QVERIFY(closed);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
