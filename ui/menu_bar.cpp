// The menu bar: Game, Skill Level, Options and Help, one action per item. Every command goes
// to the game, and the marks and enabled states are set back from the game afterwards, since
// a checkable action flips its own mark when it is chosen.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "card_image.h"
#include "help_opener.h"
#include "main_window.h"

namespace {

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

QAction* addMark(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = addItem(menu, name, caption, shortcut);
    action->setCheckable(true);
    return action;
}

}  // namespace

void Form1::createMenus() {
    createGameMenu();
    createSkillLevelMenu();
    createOptionsMenu();
    createHelpMenu();
}

QAction* Form1::addCommand(QMenu* menu, const char* name, const QString& caption,
                           void (zanfel::Game::*command)()) {
    QAction* action = addItem(menu, name, caption);
    connect(action, &QAction::triggered, this, [this, command] {
        (game_.*command)();
        if (!game_.ended())
            showControls();
    });
    return action;
}

void Form1::createGameMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuGame", tr("&Game"));
    mnuNewGame_ = addCommand(menu, "mnuNewGame", tr("&New Game"), &zanfel::Game::newGameCommand);
    mnuNewGame_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuDeal_ = addCommand(menu, "mnuDeal", tr("&Deal"), &zanfel::Game::dealCommand);
    mnuDeal_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuPause_ = addCommand(menu, "mnuPause", tr("&Pause"), &zanfel::Game::pauseCommand);
    mnuPause_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuPause_->setCheckable(true);
    addSpace(menu, "space1");
    mnuScore_ = addCommand(menu, "mnuScore", tr("&Score"), &zanfel::Game::scoreCommand);
    // Its access key is the t: the s stays Score's alone, so Alt+G, S still opens the sheet.
    mnuStatistics_ = addItem(menu, "mnuStatistics", tr("S&tatistics..."));
    connect(mnuStatistics_, &QAction::triggered, this, &Form1::statisticsCommand);
    addSpace(menu, "space2");
    mnuExit_ = addCommand(menu, "mnuExit", tr("&Exit"), &zanfel::Game::exitCommand);
    mnuExit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
}

void Form1::createSkillLevelMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuSkillLevel", tr("&Skill Level"));
    // One of five, drawn the way the desktop draws such a choice; the game still sets the mark.
    auto* levels = new QActionGroup(this);
    levels->setObjectName(QStringLiteral("mnuLevel"));
    levels->setExclusive(true);
    const std::array<QString, zanfel::kLevelCount + 1> captions{
        QString(), tr("&Super Easy"), tr("&Easy"), tr("&Normal"), tr("&Really Hard"), tr("&Blinding")};
    for (int n = 1; n <= zanfel::kLevelCount; ++n) {
        const QByteArray name = "mnuLevel" + QByteArray::number(n);
        mnuLevel_[n] = addMark(menu, name.constData(), captions[n]);
        levels->addAction(mnuLevel_[n]);
        connect(mnuLevel_[n], &QAction::triggered, this, [this, n] {
            game_.levelCommand(n);
            if (!game_.ended())
                showControls();
        });
    }
}

void Form1::createOptionsMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuOptions", tr("&Options"));
    mnuBackColor_ = addItem(menu, "mnuBackColor", tr("&Background Color..."));
    connect(mnuBackColor_, &QAction::triggered, this, &Form1::backColorCommand);
    mnuCardCount_ = addCommand(menu, "mnuCardCount", tr("&Show Card Count"), &zanfel::Game::cardCountCommand);
    mnuCardCount_->setCheckable(true);
    addSpace(menu, "space3");
    mnuReset_ = addCommand(menu, "mnuReset", tr("&Reset Options"), &zanfel::Game::resetOptionsCommand);
}

void Form1::createHelpMenu() {
    QMenu* menu = addMenu(menuBar(), "mnuHelp", tr("&Help"));
    mnuHelpTopics_ = addItem(menu, "mnuHelpTopics", tr("Help Topics"));
    auto* help = new HelpOpener(this, [this] { return helpFile_; });
    connect(mnuHelpTopics_, &QAction::triggered, help, &HelpOpener::openHelp);
    mnuAbout_ = addItem(menu, "mnuAbout", tr("&About"));
    connect(mnuAbout_, &QAction::triggered, this, &Form1::aboutCommand);
    addSpace(menu, "space4");
    mnuUnstuck_ = addCommand(menu, "mnuUnstuck", tr("&No one can play"), &zanfel::Game::noOneCanPlayCommand);
}
