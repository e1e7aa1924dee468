// SPDX-License-Identifier: GPL-3.0-or-later
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

#include "dialogs/about_window.h"
#include "dialogs/announcement_window.h"
#include "dialogs/play_again.h"
#include "dialogs/score_sheet.h"
#include "dialogs/statistics_window.h"
#include "help/help_opener.h"
#include "layers/table_layers.h"
#include "names.h"
#include "network/network_play.h"
#include "pace_timer.h"
#include "seat_view.h"
#include "settings/colour_option.h"
#include "settings/face_option.h"
#include "settings/sound_option.h"
#include "settings/zoom_option.h"
#include "table/card_table.h"

namespace {

zanfel::RandomSource& chooseRandom(zanfel::RandomSource* given, std::unique_ptr<zanfel::RandomSource>& own) {
    if (given)
        return *given;
    own = std::make_unique<zanfel::ClockRandomSource>();
    return *own;
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

MainWindow::MainWindow(zanfel::RandomSource* random, SoundPlayer* soundPlayer, QWidget* parent)
    : QMainWindow(parent), game_(*this, chooseRandom(random, ownRandom_)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle());
    layers_ = new TableLayers(game_, this, soundPlayer);
    setCentralWidget(layers_->table());
    colour_ = new ColourOption(layers_->table(), this, settings_);
    zoom_ = new ZoomOption(layers_->table(), this, settings_);
    createMenus();
    playerTimer_ = new PaceTimer(this, [this] { front().tick(); });
    // The window follows the table's size at every zoom and cannot be resized by hand.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The first frame is drawn at the zoom of the last run.
    zoom_->applySaved();
    network_ = std::make_unique<NetworkPlay>(*this, settings_);
}

// A network game still open ends before the game it plays on.
MainWindow::~MainWindow() {
    front_ = &game_;
    network_.reset();
}

void MainWindow::startUp(const QString& language) {
    zoom_->followScreen();
    helpFiles_ = locateHelpFiles(language);
    game_.startUp();
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
                                void (zanfel::GameFront::*command)()) {
    QAction* action = addItem(menu, name, caption);
    connect(action, &QAction::triggered, this, [this, command] {
        (front().*command)();
        if (!front().ended())
            showControls();
    });
    return action;
}

void MainWindow::createGameMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuGame", tr("&Game"));
    // The host alone decides some commands: a guest reads why in the item's tooltip.
    menu->setToolTipsVisible(true);
    mnuNewGame_ = addCommand(menu, "mnuNewGame", tr("&New Game"), &zanfel::GameFront::newGameCommand);
    mnuNewGame_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuDeal_ = addCommand(menu, "mnuDeal", tr("&Deal"), &zanfel::GameFront::dealCommand);
    mnuDeal_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuPause_ = addCommand(menu, "mnuPause", tr("&Pause"), &zanfel::GameFront::pauseCommand);
    mnuPause_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuPause_->setCheckable(true);
    addSpace(menu, "space1");
    addCommand(menu, "mnuScore", tr("&Score"), &zanfel::GameFront::scoreCommand);
    // Its access key is the t: the s stays Score's alone, so Alt+G, S still opens the sheet.
    QAction* statistics = addItem(menu, "mnuStatistics", tr("S&tatistics..."));
    connect(statistics, &QAction::triggered, this, &MainWindow::statisticsCommand);
    addSpace(menu, "space2");
    createNetworkItems(menu);
    addCommand(menu, "mnuExit", tr("&Exit"), &zanfel::GameFront::exitCommand)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
}

// Playing with people at other computers; the network itself is loaded at the first of these.
void MainWindow::createNetworkItems(QMenu* menu) {
    mnuHost_ = addItem(menu, "mnuHostNetworkGame", tr("&Host Network Game..."));
    connect(mnuHost_, &QAction::triggered, this, [this] { network_->hostCommand(); });
    mnuJoin_ = addItem(menu, "mnuJoinNetworkGame", tr("&Join Network Game..."));
    connect(mnuJoin_, &QAction::triggered, this, [this] { network_->joinCommand(); });
    mnuLeave_ = addItem(menu, "mnuLeaveNetworkGame", tr("&Leave Network Game"));
    mnuLeave_->setEnabled(false);
    connect(mnuLeave_, &QAction::triggered, this, [this] { network_->leaveCommand(); });
    addSpace(menu, "spaceNetwork");
}

void MainWindow::createSkillLevelMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuSkillLevel", tr("&Skill Level"));
    menu->setToolTipsVisible(true);
    // One of five, drawn the way the desktop draws such a choice; the game still sets the mark.
    auto* levels = new QActionGroup(this);
    levels->setObjectName(QStringLiteral("mnuLevel"));
    levels->setExclusive(true);
    for (int n = 1; n <= zanfel::kLevelCount; ++n) {
        const QByteArray name = "mnuLevel" + QByteArray::number(n);
        mnuLevel_[n] = addItem(menu, name.constData(), levelCaption(n));
        mnuLevel_[n]->setCheckable(true);
        levels->addAction(mnuLevel_[n]);
        connect(mnuLevel_[n], &QAction::triggered, this, [this, n] {
            front().levelCommand(n);
            if (!front().ended())
                showControls();
        });
    }
}

void MainWindow::createOptionsMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuOptions", tr("&Options"));
    QAction* backColor = addItem(menu, "mnuBackColor", tr("&Background Color..."));
    connect(backColor, &QAction::triggered, colour_, &ColourOption::choose);
    mnuCardCount_ =
        addCommand(menu, "mnuCardCount", tr("&Show Card Count"), &zanfel::GameFront::cardCountCommand);
    mnuCardCount_->setCheckable(true);
    // A display preference of the window's own, kept between runs; the game knows nothing of it.
    QAction* animateMoves = addItem(menu, "mnuAnimateMoves", tr("&Animate Moves"));
    animateMoves->setCheckable(true);
    animateMoves->setChecked(settings_.animateMoves());
    layers_->setAnimateMoves(animateMoves->isChecked());
    connect(animateMoves, &QAction::toggled, this, &MainWindow::animateMovesCommand);
    mnuStuckCue_ = addItem(menu, "mnuStuckCue", tr("Stuck &Cue"));
    mnuStuckCue_->setCheckable(true);
    mnuStuckCue_->setChecked(settings_.stuckCue());
    layers_->setStuckCue(mnuStuckCue_->isChecked());
    connect(mnuStuckCue_, &QAction::toggled, this, &MainWindow::stuckCueCommand);
    auto* faces = new FaceOption(
        settings_, [this](zanfel::artwork::FaceSet set) { layers_->setFaces(set); }, this);
    faces->addItems(menu);
    addSpace(menu, "spaceSound");
    auto* sound = new SoundOption(layers_->sounds(), settings_, this);
    sound->addItems(menu);
    addSpace(menu, "spaceZoom");
    zoom_->addItems(menu);
    addSpace(menu, "space3");
    addCommand(menu, "mnuReset", tr("&Reset Options"), &zanfel::GameFront::resetOptionsCommand);
}

void MainWindow::createHelpMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuHelp", tr("&Help"));
    // F1 shows beside the item. Over the table the item's shortcut takes the key before the help
    // opener's filter could see it; in every other window the filter opens the help: once either way.
    QAction* helpTopics = addItem(menu, "mnuHelpTopics", tr("Help Topics"), QKeySequence(Qt::Key_F1));
    auto* help = new HelpOpener(this, [this] { return helpFiles_; });
    connect(helpTopics, &QAction::triggered, help, &HelpOpener::openHelp);
    QAction* about = addItem(menu, "mnuAbout", tr("&About"));
    connect(about, &QAction::triggered, this, &MainWindow::aboutCommand);
    addSpace(menu, "space4");
    noOneCanPlay_ =
        addCommand(menu, "mnuUnstuck", tr("&No one can play"), &zanfel::GameFront::noOneCanPlayCommand);
}

void MainWindow::showImage(zanfel::PileImage image, zanfel::CardNumber card) {
    layers_->showImage(image, card);
}

void MainWindow::showControls() {
    const zanfel::Controls& controls = front().controls();
    // A guest sees what the host decides, greyed, and why.
    const bool guest = controls.hostDecides;
    const QString hostAlone =
        guest ? tr("Only %1, who hosts this game, decides this").arg(hostName()) : QString();
    mnuNewGame_->setEnabled(!guest);
    mnuDeal_->setEnabled(controls.dealEnabled && !guest);
    mnuPause_->setEnabled(controls.pauseEnabled && !guest);
    mnuPause_->setChecked(controls.pauseChecked);
    for (QAction* item : {mnuNewGame_, mnuDeal_, mnuPause_})
        item->setToolTip(hostAlone);
    noOneCanPlay_->setEnabled(controls.noOneCanPlayEnabled);
    // A guest's own ask shows as the item's mark until a card moves.
    noOneCanPlay_->setCheckable(guest);
    noOneCanPlay_->setChecked(guest && controls.askedNoOneCanPlay[zanfel::kHuman]);
    for (int n = 1; n <= zanfel::kLevelCount; ++n) {
        mnuLevel_[n]->setEnabled(!guest);
        mnuLevel_[n]->setToolTip(hostAlone);
        mnuLevel_[n]->setChecked(controls.levelChecked[n]);
    }
    mnuCardCount_->setChecked(controls.cardCountChecked);
    // When the player is stuck the way out stands out in its menu, as the table's line says.
    const bool cue = controls.stuck && mnuStuckCue_->isChecked();
    if (noOneCanPlay_->font().bold() != cue) {
        QFont font = noOneCanPlay_->font();
        font.setBold(cue);
        noOneCanPlay_->setFont(font);
    }
    layers_->showControls(controls);
    playerTimer_->follow(controls.timerEnabled, controls.pauseChecked, controls.timerIntervalMs);
}

void MainWindow::announceGoingOut(int player) {
    if (!announcement_)
        announcement_ = new AnnouncementWindow(this);
    layers_->settle();
    announcement_->setGoingOut(player, networkName(player));
    announcement_->exec();
    layers_->goingOutAnnounced();
}

void MainWindow::markComputerMove(zanfel::PileImage from, zanfel::PileImage to) {
    layers_->computerMoved(from, to);
}

void MainWindow::markGoingOut(zanfel::PileImage emptiedPile) {
    layers_->goingOut(emptiedPile);
}

void MainWindow::moveTakenBack(zanfel::PileImage from, zanfel::PileImage to) {
    layers_->moveTakenBack(from, to);
}

void MainWindow::playFront(zanfel::GameFront& front) {
    front_ = &front;
    layers_->setGame(front);
    for (const auto& [kind, count] : {std::pair{zanfel::ImageKind::Stack, zanfel::kSlotsPerPlayer},
                                      std::pair{zanfel::ImageKind::Player, zanfel::kComputerLists},
                                      std::pair{zanfel::ImageKind::Foundation, zanfel::kFoundations}})
        for (int index = 0; index < count; ++index)
            layers_->showImage({kind, index}, front.cardFor({kind, index}));
    showControls();
}

void MainWindow::showNetworkState(bool open, bool playing) {
    networkGame_ = playing;
    layers_->setNetworkGame(playing);
    mnuHost_->setEnabled(!open);
    mnuJoin_->setEnabled(!open);
    mnuLeave_->setEnabled(open);
    showControls();
}

void MainWindow::showLinkLost(const QString& text) {
    layers_->showLinkLost(text);
}

void MainWindow::closeGameWindows() {
    if (announcement_ && announcement_->isVisible())
        announcement_->accept();
    hideScoreSheet();
}

QString MainWindow::networkName(int player) {
    return networkGame_ ? seatName(front().seats(), front().viewer(), player) : QString();
}

QString MainWindow::hostName() {
    const int viewer = front().viewer();
    return seatName(front().seats(), viewer, zanfel::localPlayer(viewer, zanfel::kHuman));
}

void MainWindow::animateMovesCommand(bool animate) {
    layers_->setAnimateMoves(animate);
    settings_.saveAnimateMoves(animate);
}

void MainWindow::stuckCueCommand(bool shown) {
    layers_->setStuckCue(shown);
    settings_.saveStuckCue(shown);
    showControls();
}

// Modal, but the computer players go on behind it: the timer is left running.
void MainWindow::aboutCommand() {
    if (!about_)
        about_ = new AboutWindow(this);
    about_->exec();
}

// An open record window takes the hand in at once: it may be up while the hand ends.
void MainWindow::recordHand(const zanfel::HandResult& hand) {
    layers_->handScored(hand);
    settings_.countHand(hand);
    if (statistics_ && statistics_->isVisible())
        statistics_->refresh();
}

// Modal like the about window, and like it leaves the computer players playing.
void MainWindow::statisticsCommand() {
    if (!statistics_)
        statistics_ = new StatisticsWindow(settings_, this);
    statistics_->exec();
}

ScoreSheet* MainWindow::scoreSheet() {
    if (!scoreSheet_) {
        scoreSheet_ = new ScoreSheet(this);
        connect(scoreSheet_, &ScoreSheet::activated, this, [this] { front().scoreSheetActivated(); });
    }
    return scoreSheet_;
}

void MainWindow::showScoreSheet() {
    std::array<QString, zanfel::kPlayers> names;
    for (int player = 0; player < zanfel::kPlayers; ++player)
        names[player] = networkName(player);
    scoreSheet()->setNames(names);
    scoreSheet()->setFigures(front().scoreSheet(), front().handScores());
    scoreSheet_->exec();
}

void MainWindow::hideScoreSheet() {
    if (hostAnswers_)
        hostAnswers_->close();
    if (scoreSheet_)
        scoreSheet_->hide();
}

zanfel::Answer MainWindow::askPlayAgain(const zanfel::GameOutcome& outcome) {
    return ::askPlayAgain(scoreSheet(), outcome, networkName(outcome.leader));
}

void MainWindow::showGameOver(const zanfel::GameOutcome& outcome) {
    hostAnswers_ = showHostAnswers(scoreSheet(), outcome, networkName(outcome.leader), hostName());
}

bool MainWindow::applySavedColour() {
    return colour_->applySaved();
}

void MainWindow::resetTableColour() {
    colour_->reset();
}

// Every window goes at once, and exit() also ends any modal loop still running.
void MainWindow::endProgram() {
    playerTimer_->stop();
    layers_->settle();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    front().exitCommand();
}
