#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QTimer>

#include "about_window.h"
#include "announcement_window.h"
#include "card_image.h"
#include "help_opener.h"
#include "keyboard_play.h"
#include "move_marks.h"
#include "pictures.h"
#include "place_names.h"
#include "play_again.h"
#include "score_sheet.h"
#include "statistics_window.h"

namespace {

zanfel::RandomSource& chooseRandom(zanfel::RandomSource* given, std::unique_ptr<zanfel::RandomSource>& own) {
    if (given)
        return *given;
    own = std::make_unique<zanfel::ClockRandomSource>();
    return *own;
}

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Form1::Form1(zanfel::RandomSource* random, QWidget* parent)
    : QMainWindow(parent), game_(*this, chooseRandom(random, ownRandom_)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Zanfel v2.0"));
    createTable();
    createMenus();
    playerTimer_ = new QTimer(this);
    playerTimer_->setObjectName(QStringLiteral("PlayerTimer"));
    playerTimer_->setInterval(zanfel::kLevelIntervalMs[zanfel::kNormalLevel]);
    connect(playerTimer_, &QTimer::timeout, this, [this] { game_.tick(); });
    moveMarks_ = new MoveMarks(table_);
    keyboard_ = new KeyboardPlay(this, table_, game_, stack_);
    // The table has one size; the window follows it and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

void Form1::startUp() {
    helpFile_ = locateHelpFile();
    game_.startUp();
}

CardImage* Form1::image(zanfel::PileImage image) const {
    switch (image.kind) {
        case zanfel::ImageKind::Stack:
            return stack_[image.index];
        case zanfel::ImageKind::Player:
            return player_[image.index];
        case zanfel::ImageKind::Pile:
            return pile_[image.index];
    }
    return nullptr;
}

void Form1::showImage(zanfel::PileImage image, zanfel::CardNumber card) {
    this->image(image)->showCard(card);
    describe(image);
}

// Screen readers and tooltips say whose place it is and what it shows, kept current.
void Form1::describe(zanfel::PileImage image) {
    const zanfel::CardNumber card = game_.shownCard(image);
    const QString count =
        image.kind == zanfel::ImageKind::Stack ? fromStd(game_.controls().counts[image.index]) : QString();
    CardImage* place = this->image(image);
    place->setAccessibleName(placeText(image, card));
    place->setToolTip(placeTip(image, card, count));
}

void Form1::describeCounts() {
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k) {
        const zanfel::PileImage pile{zanfel::ImageKind::Stack, k};
        lblStack_[k]->setAccessibleName(tr("Cards in %1: %2").arg(placeName(pile), lblStack_[k]->text()));
        describe(pile);
    }
}

void Form1::showControls() {
    const zanfel::Controls& controls = game_.controls();
    mnuDeal_->setEnabled(controls.dealEnabled);
    mnuPause_->setEnabled(controls.pauseEnabled);
    mnuPause_->setChecked(controls.pauseChecked);
    mnuUnstuck_->setEnabled(controls.unstuckEnabled);
    for (int n = 1; n <= zanfel::kLevelCount; ++n)
        mnuLevel_[n]->setChecked(controls.levelChecked[n]);
    lblTips_->setText(fromStd(controls.hint));
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k)
        lblStack_[k]->setText(fromStd(controls.counts[k]));
    mnuCardCount_->setChecked(controls.cardCountChecked);
    for (QLabel* label : lblStack_)
        label->setVisible(controls.cardCountChecked);
    describeCounts();
    showTimer(controls);
}

// setInterval restarts a running timer, so it is only touched when the level changed.
void Form1::showTimer(const zanfel::Controls& controls) {
    if (playerTimer_->interval() != controls.timerIntervalMs)
        playerTimer_->setInterval(controls.timerIntervalMs);
    if (controls.timerEnabled && !playerTimer_->isActive())
        playerTimer_->start();
    else if (!controls.timerEnabled && playerTimer_->isActive())
        playerTimer_->stop();
}

void Form1::announceGoingOut(const zanfel::Announcement& announcement) {
    if (!announcement_)
        announcement_ = new AnnouncementWindow(this);
    announcement_->setAnnouncement(fromStd(announcement.caption), announcement.picture);
    announcement_->exec();
    moveMarks_->clearGoingOut();
}

void Form1::markComputerMove(zanfel::PileImage from, zanfel::PileImage to) {
    moveMarks_->showMove(image(from), image(to), MoveMarks::ownerColour(from),
                         game_.controls().timerIntervalMs);
}

void Form1::markGoingOut(zanfel::PileImage emptiedPile) {
    moveMarks_->showGoingOut(image(emptiedPile), MoveMarks::ownerColour(emptiedPile));
}

// Modal, but the computer players go on behind it: the timer is left running.
void Form1::aboutCommand() {
    if (!about_)
        about_ = new AboutWindow(this);
    about_->exec();
}

// An open record window takes the hand in at once: it may be up while the hand ends.
void Form1::recordHand(const zanfel::HandResult& hand) {
    record_.countHand(hand);
    if (statistics_ && statistics_->isVisible())
        statistics_->refresh();
}

// Modal like the about window, and like it leaves the computer players playing.
void Form1::statisticsCommand() {
    if (!statistics_)
        statistics_ = new StatisticsWindow(record_, this);
    statistics_->exec();
}

ScoreSheet* Form1::scoreSheet() {
    if (!scoreSheet_) {
        scoreSheet_ = new ScoreSheet(this);
        connect(scoreSheet_, &ScoreSheet::activated, this, [this] { game_.scoreSheetActivated(); });
    }
    return scoreSheet_;
}

void Form1::showScoreSheet(const zanfel::ScoreSheetText& sheet) {
    scoreSheet()->setText(sheet);
    scoreSheet_->exec();
}

void Form1::hideScoreSheet() {
    if (scoreSheet_)
        scoreSheet_->hide();
}

zanfel::Answer Form1::askPlayAgain(const std::string& question) {
    return ::askPlayAgain(scoreSheet(), fromStd(question));
}

// Every window goes at once, and exit() also ends any modal loop still running.
void Form1::endProgram() {
    playerTimer_->stop();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    game_.exitCommand();
}
