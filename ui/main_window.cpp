#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "about_window.h"
#include "announcement_window.h"
#include "card_image.h"
#include "card_table.h"
#include "colour_option.h"
#include "help_opener.h"
#include "keyboard_play.h"
#include "move_marks.h"
#include "play_again.h"
#include "score_sheet.h"
#include "zoom_option.h"

namespace {

zanfel::RandomSource& chooseRandom(zanfel::RandomSource* given, std::unique_ptr<zanfel::RandomSource>& own) {
    if (given)
        return *given;
    own = std::make_unique<zanfel::ClockRandomSource>();
    return *own;
}

QString hintText(zanfel::Hint hint) {
    switch (hint) {
        case zanfel::Hint::BeforeStartUp:
            return MainWindow::tr("Click the back of the red card to deal");
        case zanfel::Hint::Deal:
            return MainWindow::tr("Click the back of the red deck to deal");
        case zanfel::Hint::TurnStock:
            return MainWindow::tr("Click the back of the red deck for 3 more cards");
    }
    return {};
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void addSpace(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

MainWindow::MainWindow(zanfel::RandomSource* random, QWidget* parent)
    : QMainWindow(parent), game_(*this, chooseRandom(random, ownRandom_)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Zanfel v2.0"));
    table_ = new CardTable(this);
    setCentralWidget(table_);
    table_->setHint(hintText(game_.controls().hint));
    colour_ = new ColourOption(table_, this);
    zoom_ = new ZoomOption(table_, this);
    connectTable();
    createMenus();
    playerTimer_ = new QTimer(this);
    playerTimer_->setObjectName(QStringLiteral("PlayerTimer"));
    playerTimer_->setInterval(zanfel::kLevelIntervalMs[zanfel::kNormalLevel]);
    connect(playerTimer_, &QTimer::timeout, this, [this] { game_.tick(); });
    moveMarks_ = new MoveMarks(table_);
    keyboard_ = new KeyboardPlay(this, table_, game_, table_->humanPiles());
    // The window follows the table's size at every zoom and cannot be resized by hand.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The first frame is drawn at the zoom of the last run.
    zoom_->applySaved();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
    zoom_->followScreen();
    helpFile_ = locateHelpFile();
    game_.startUp();
}

void MainWindow::connectTable() {
    connect(table_, &CardTable::deckClicked, this, [this] { game_.deckClicked(); });
    connect(table_, &CardTable::droppedOnFoundation, this,
            [this](int from, int foundation) { game_.dropOnFoundation(from, foundation); });
    connect(table_, &CardTable::droppedOnStack, this,
            [this](int from, int to) { game_.dropOnStack(from, to); });
    connect(table_, &CardTable::stackDoubleClicked, this, [this](int slot) { game_.playToFoundation(slot); });
}

// Every command goes to the game, and the marks and enabled states are set back from the game
// afterwards, since a checkable action flips its own mark when it is chosen.
void MainWindow::createMenus() {
    createGameMenu();
    createSkillLevelMenu();
    createOptionsMenu();
    createHelpMenu();
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                void (zanfel::Game::*command)()) {
    QAction* action = addItem(menu, name, caption);
    connect(action, &QAction::triggered, this, [this, command] {
        (game_.*command)();
        if (!game_.ended())
            showControls();
    });
    return action;
}

void MainWindow::createGameMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuGame", tr("&Game"));
    addCommand(menu, "mnuNewGame", tr("&New Game"), &zanfel::Game::newGameCommand)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuDeal_ = addCommand(menu, "mnuDeal", tr("&Deal"), &zanfel::Game::dealCommand);
    mnuDeal_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuPause_ = addCommand(menu, "mnuPause", tr("&Pause"), &zanfel::Game::pauseCommand);
    mnuPause_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuPause_->setCheckable(true);
    addSpace(menu, "space1");
    addCommand(menu, "mnuScore", tr("&Score"), &zanfel::Game::scoreCommand);
    addSpace(menu, "space2");
    addCommand(menu, "mnuExit", tr("&Exit"), &zanfel::Game::exitCommand)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
}

void MainWindow::createSkillLevelMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuSkillLevel", tr("&Skill Level"));
    // One of five, drawn the way the desktop draws such a choice; the game still sets the mark.
    auto* levels = new QActionGroup(this);
    levels->setObjectName(QStringLiteral("mnuLevel"));
    levels->setExclusive(true);
    const std::array<QString, zanfel::kLevelCount + 1> captions{
        QString(), tr("&Super Easy"), tr("&Easy"), tr("&Normal"), tr("&Really Hard"), tr("&Blinding")};
    for (int n = 1; n <= zanfel::kLevelCount; ++n) {
        const QByteArray name = "mnuLevel" + QByteArray::number(n);
        mnuLevel_[n] = addItem(menu, name.constData(), captions[n]);
        mnuLevel_[n]->setCheckable(true);
        levels->addAction(mnuLevel_[n]);
        connect(mnuLevel_[n], &QAction::triggered, this, [this, n] {
            game_.levelCommand(n);
            if (!game_.ended())
                showControls();
        });
    }
}

void MainWindow::createOptionsMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuOptions", tr("&Options"));
    QAction* backColor = addItem(menu, "mnuBackColor", tr("&Background Color..."));
    connect(backColor, &QAction::triggered, colour_, &ColourOption::choose);
    mnuCardCount_ = addCommand(menu, "mnuCardCount", tr("&Show Card Count"), &zanfel::Game::cardCountCommand);
    mnuCardCount_->setCheckable(true);
    addSpace(menu, "spaceZoom");
    zoom_->addItems(menu);
    addSpace(menu, "space3");
    addCommand(menu, "mnuReset", tr("&Reset Options"), &zanfel::Game::resetOptionsCommand);
}

void MainWindow::createHelpMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuHelp", tr("&Help"));
    QAction* helpTopics = addItem(menu, "mnuHelpTopics", tr("Help Topics"));
    auto* help = new HelpOpener(this, [this] { return helpFile_; });
    connect(helpTopics, &QAction::triggered, help, &HelpOpener::openHelp);
    QAction* about = addItem(menu, "mnuAbout", tr("&About"));
    connect(about, &QAction::triggered, this, &MainWindow::aboutCommand);
    addSpace(menu, "space4");
    noOneCanPlay_ =
        addCommand(menu, "mnuUnstuck", tr("&No one can play"), &zanfel::Game::noOneCanPlayCommand);
}

void MainWindow::showImage(zanfel::PileImage image, zanfel::CardNumber card) {
    table_->showCard(image, card);
}

void MainWindow::showControls() {
    const zanfel::Controls& controls = game_.controls();
    mnuDeal_->setEnabled(controls.dealEnabled);
    mnuPause_->setEnabled(controls.pauseEnabled);
    mnuPause_->setChecked(controls.pauseChecked);
    noOneCanPlay_->setEnabled(controls.noOneCanPlayEnabled);
    for (int n = 1; n <= zanfel::kLevelCount; ++n)
        mnuLevel_[n]->setChecked(controls.levelChecked[n]);
    table_->setHint(hintText(controls.hint));
    table_->setCounts(controls.counts);
    mnuCardCount_->setChecked(controls.cardCountChecked);
    table_->setCountsVisible(controls.cardCountChecked);
    showTimer(controls);
}

// setInterval restarts a running timer, so it is only touched when the level changed.
void MainWindow::showTimer(const zanfel::Controls& controls) {
    if (playerTimer_->interval() != controls.timerIntervalMs)
        playerTimer_->setInterval(controls.timerIntervalMs);
    if (controls.timerEnabled && !playerTimer_->isActive())
        playerTimer_->start();
    else if (!controls.timerEnabled && playerTimer_->isActive())
        playerTimer_->stop();
}

void MainWindow::announceGoingOut(int player) {
    if (!announcement_)
        announcement_ = new AnnouncementWindow(this);
    announcement_->setGoingOut(player);
    announcement_->exec();
    moveMarks_->clearGoingOut();
}

void MainWindow::markComputerMove(zanfel::PileImage from, zanfel::PileImage to) {
    moveMarks_->showMove(table_->image(from), table_->image(to), MoveMarks::ownerColour(from),
                         game_.controls().timerIntervalMs);
}

void MainWindow::markGoingOut(zanfel::PileImage emptiedPile) {
    moveMarks_->showGoingOut(table_->image(emptiedPile), MoveMarks::ownerColour(emptiedPile));
}

// Modal, but the computer players go on behind it: the timer is left running.
void MainWindow::aboutCommand() {
    if (!about_)
        about_ = new AboutWindow(this);
    about_->exec();
}

ScoreSheet* MainWindow::scoreSheet() {
    if (!scoreSheet_) {
        scoreSheet_ = new ScoreSheet(this);
        connect(scoreSheet_, &ScoreSheet::activated, this, [this] { game_.scoreSheetActivated(); });
    }
    return scoreSheet_;
}

void MainWindow::showScoreSheet() {
    scoreSheet()->setFigures(game_.scoreSheet(), game_.handScores());
    scoreSheet_->exec();
}

void MainWindow::hideScoreSheet() {
    if (scoreSheet_)
        scoreSheet_->hide();
}

zanfel::Answer MainWindow::askPlayAgain(const zanfel::GameOutcome& outcome) {
    return ::askPlayAgain(scoreSheet(), outcome);
}

bool MainWindow::applySavedColour() {
    return colour_->applySaved();
}

void MainWindow::resetTableColour() {
    colour_->reset();
}

QColor MainWindow::tableColour() const {
    return table_->colour();
}

// Every window goes at once, and exit() also ends any modal loop still running.
void MainWindow::endProgram() {
    playerTimer_->stop();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    game_.exitCommand();
}
