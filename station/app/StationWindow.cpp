#include "StationWindow.h"

#include "Recipe.h"
#include "StationBanner.h"
#include "UnitTile.h"
#include "dialogs/Questions.h"
#include "model/Counts.h"

#include "Helper/PortOrder.h"
#include "Helper/UnitRecord.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// Eight tiles in two rows fill a 1280 x 800 screen.
constexpr int Columns = 4;

QAction* menuAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& key)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

StationWindow::StationWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_Banner(new StationBanner(this))
    , m_Board(new QWidget(this))
    , m_Grid(new QGridLayout(m_Board))
    , m_NoUnits(new QLabel(tr("No unit yet: plug a panel into a port the recipe watches."), m_Board))
{
    setWindowTitle(tr("Panel Production Station"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_Banner);
    layout->addWidget(m_Board, 1);
    layout->addWidget(createScanRow());
    setCentralWidget(central);
    for (int column = 0; column < Columns; ++column)
        m_Grid->setColumnStretch(column, 1);
    QFont big = m_NoUnits->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_NoUnits->setFont(big);
    m_NoUnits->setAlignment(Qt::AlignCenter);
    m_Grid->addWidget(m_NoUnits, 0, 0, 1, Columns);
    createMenu();
    showTotals();
    connect(&m_Clock, &QTimer::timeout, this, &StationWindow::tick);
    m_Clock.start(1000);
    // What the scanner types lands there.
    m_Scan->setFocus();
}

void StationWindow::createMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Station"));
    menu->setObjectName(QStringLiteral("menu_Station"));
    QAction* pass = menuAction(menu, QStringLiteral("action_Pass"), tr("Pass"), Qt::Key_P);
    QAction* fail = menuAction(menu, QStringLiteral("action_Fail"), tr("Fail"), Qt::Key_F);
    menu->addSeparator();
    QAction* end = menuAction(menu, QStringLiteral("action_EndShift"), tr("End shift..."), QKeySequence());
    QAction* quit = menuAction(menu, QStringLiteral("action_Close"), tr("Close"), QKeySequence::Quit);
    connect(pass, &QAction::triggered, this, [this] { answerVerdict(true); });
    connect(fail, &QAction::triggered, this, [this] { answerVerdict(false); });
    connect(end, &QAction::triggered, this, &StationWindow::askEndShift);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

QWidget* StationWindow::createScanRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(tr("Serial number:"), row);
    m_Scan = new QLineEdit(row);
    m_Scan->setObjectName(QStringLiteral("scan"));
    m_Scan->setAccessibleName(tr("Serial number"));
    m_Scan->setPlaceholderText(tr("Scan or type, then Enter"));
    QFont big = m_Scan->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_Scan->setFont(big);
    caption->setFont(big);
    caption->setBuddy(m_Scan);
    m_ScanNote = new QLabel(row);
    m_ScanNote->setObjectName(QStringLiteral("scanNote"));
    m_ScanNote->setFont(big);
    auto* end = new QPushButton(tr("End shift..."), row);
    end->setObjectName(QStringLiteral("endShift"));
    end->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(caption);
    layout->addWidget(m_Scan, 1);
    layout->addWidget(m_ScanNote, 2);
    layout->addWidget(end);
    connect(m_Scan, &QLineEdit::returnPressed, this, &StationWindow::enterSerial);
    connect(end, &QPushButton::clicked, this, &StationWindow::askEndShift);
    m_Scan->installEventFilter(this);
    return row;
}

UnitTile* StationWindow::tileFor(const QString& port, const QString& label)
{
    for (UnitTile* tile : qAsConst(m_Tiles))
        if (tile->state().port == port)
            return tile;
    auto* tile = new UnitTile(m_Board);
    connect(tile, &UnitTile::verdict, this, &StationWindow::giveVerdict);
    // By label, the port's short name, as the operator reads them.
    const auto key = [](const UnitState& state) { return state.label.isEmpty() ? state.port : state.label; };
    const QString mine = label.isEmpty() ? port : label;
    const auto before = [&](UnitTile* other) { return PortOrder::less(mine, key(other->state())); };
    m_Tiles.insert(std::find_if(m_Tiles.begin(), m_Tiles.end(), before), tile);
    return tile;
}

void StationWindow::placeTiles()
{
    m_Grid->removeWidget(m_NoUnits);
    m_NoUnits->hide();
    for (int i = 0; i < m_Tiles.size(); ++i)
        m_Grid->addWidget(m_Tiles.at(i), i / Columns, i % Columns);
}

void StationWindow::showUnit(const UnitState& state)
{
    const int count = m_Tiles.size();
    UnitTile* tile = tileFor(state.port, state.label);
    tile->show(state);
    if (m_Tiles.size() != count)
        placeTiles();
    if (!state.verdictWanted)
        m_VerdictQueue.removeAll(state.port);
    else if (!m_VerdictQueue.contains(state.port))
        m_VerdictQueue.append(state.port);
    if (state.serialWanted && !m_PendingSerial.isEmpty()) {
        m_ScanNote->clear();
        emit serialEntered(state.port, std::exchange(m_PendingSerial, QString()));
    }
}

void StationWindow::enterSerial()
{
    const QString serial = m_Scan->text().trimmed();
    m_Scan->clear();
    if (serial.isEmpty())
        return;
    m_ScanNote->setStyleSheet(QString());
    for (UnitTile* tile : qAsConst(m_Tiles)) {
        if (tile->state().serialWanted) {
            m_ScanNote->clear();
            emit serialEntered(tile->state().port, serial);
            return;
        }
    }
    m_PendingSerial = serial;
    m_ScanNote->setText(tr("%1 goes to the next unit").arg(serial));
}

void StationWindow::refuseSerial(const QString& port, const QString& problem)
{
    m_ScanNote->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    QString name = port;
    for (UnitTile* tile : qAsConst(m_Tiles))
        if (tile->state().port == port && !tile->state().label.isEmpty())
            name = tile->state().label;
    m_ScanNote->setText(tr("%1: %2").arg(name, problem));
}

void StationWindow::answerVerdict(bool pass)
{
    if (m_VerdictQueue.isEmpty())
        showMessage(tr("No unit waits for a verdict."));
    else
        // A copy: giving the verdict takes the port off the queue.
        giveVerdict(QString(m_VerdictQueue.first()), pass);
}

void StationWindow::giveVerdict(const QString& port, bool pass)
{
    // The next key goes to the next unit, also before this one's news arrives.
    m_VerdictQueue.removeAll(port);
    emit verdict(port, pass);
}

bool StationWindow::eventFilter(QObject* watched, QEvent* event)
{
    // In an empty scan field P and F are verdicts while a unit asks for one;
    // else they start a serial number.
    if (watched == m_Scan && event->type() == QEvent::KeyPress && m_Scan->text().isEmpty()
        && !m_VerdictQueue.isEmpty()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_P || key->key() == Qt::Key_F)) {
            answerVerdict(key->key() == Qt::Key_P);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void StationWindow::addRecord(const UnitRecord& record)
{
    m_Totals.add(record);
    showTotals();
}

void StationWindow::showTotals()
{
    m_Banner->setTotals(m_Totals.summary());
}

void StationWindow::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (UnitTile* tile : qAsConst(m_Tiles))
        tile->tick(now);
    showTotals();
}

void StationWindow::showMessage(const QString& text)
{
    statusBar()->showMessage(text);
}

void StationWindow::setRecipe(const Recipe& recipe, const QString& recipePath)
{
    m_Banner->setRecipe(recipe, recipePath);
    setWindowTitle(tr("%1 - Panel Production Station").arg(QFileInfo(recipePath).fileName()));
}

void StationWindow::setRunning(int units)
{
    m_Running = units;
    if (m_Running == 0 && m_CloseWhenIdle)
        close();
}

void StationWindow::askEndShift()
{
    const Questions::Message question { QMessageBox::Question, tr("End shift"),
        tr("End the shift now? Its totals go to the shift file and the counts start again.\n\n%1")
            .arg(m_Totals.summary()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No };
    if (Questions::ask(this, question) != QMessageBox::Yes)
        return;
    emit endShift();
    beginShift(QDateTime::currentDateTime());
}

void StationWindow::beginShift(const QDateTime& start)
{
    m_Totals.reset(start);
    showTotals();
}

void StationWindow::closeEvent(QCloseEvent* event)
{
    if (m_Running == 0) {
        event->accept();
        return;
    }
    event->ignore();
    askClose();
}

void StationWindow::askClose()
{
    QMessageBox box(QMessageBox::Question, tr("Units are running"),
        tr("Still on the station: %1. Let them finish, cancel them, or keep the station running?")
            .arg(Counts::units(m_Running)),
        QMessageBox::Yes | QMessageBox::Abort | QMessageBox::Cancel, this);
    box.button(QMessageBox::Yes)->setText(tr("Let them finish"));
    box.button(QMessageBox::Abort)->setText(tr("Cancel units"));
    box.button(QMessageBox::Cancel)->setText(tr("Keep running"));
    box.setDefaultButton(QMessageBox::Cancel);
    const int answer = Questions::exec(box);
    if (answer == QMessageBox::Yes || answer == QMessageBox::Abort) {
        m_CloseWhenIdle = true;
        showMessage(tr("The station closes once the units have ended."));
        if (answer == QMessageBox::Yes)
            emit finishThenClose();
        else
            emit cancelThenClose();
    }
}
