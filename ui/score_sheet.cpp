// SPDX-License-Identifier: GPL-3.0-or-later
#include "score_sheet.h"

#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStringList>
#include <algorithm>

#include "twips.h"

namespace {

constexpr int kLabelWidth = px(975);
constexpr int kScoreTop = px(360);
constexpr int kScoreHeight = px(3975);
constexpr int kSheetWidth = px(4845);

// Left edge of screen column c; the columns are 1200 twips apart.
constexpr int columnLeft(int column) {
    return px(120 + 1200 * column);
}

// Screen column c shows this player: human, left, middle, right.
constexpr std::array<int, zanfel::kPlayers> kPlayerInColumn = {zanfel::kHuman, zanfel::kLeftPlayer,
                                                               zanfel::kMiddlePlayer, zanfel::kRightPlayer};

constexpr int columnOf(int player) {
    for (int column = 0; column < zanfel::kPlayers; ++column)
        if (kPlayerInColumn[column] == player)
            return column;
    return 0;
}

const char* const kHeadings[zanfel::kPlayers] = {
    QT_TRANSLATE_NOOP("ScoreSheet", "Your Score"), QT_TRANSLATE_NOOP("ScoreSheet", "Left Guy"),
    QT_TRANSLATE_NOOP("ScoreSheet", "Middle Guy"), QT_TRANSLATE_NOOP("ScoreSheet", "Right Guy")};

QLabel* centredLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// One number per line, hand 1 at the top.
QString scoreLines(const zanfel::HandScores& scores, int hands, int player) {
    QStringList lines;
    for (int hand = 1; hand <= hands; ++hand)
        lines << QString::number(scores.row(hand)[player]);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ScoreSheet::ScoreSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Score Sheet"));
    setModal(true);
    setFixedSize(kSheetWidth, px(5385));
    buildHeadings();
    buildScoreColumns();
    buildTotals();
    buildLines();

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOk"));
    okButton->setGeometry(twipsRect(1920, 4920, 1095, 375));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void ScoreSheet::buildHeadings() {
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        QLabel* label = centredLabel(this, QStringLiteral("Label%1").arg(column + 1));
        label->setText(tr(kHeadings[column]));
        label->setGeometry(columnLeft(column), 0, kLabelWidth, px(255));
    }
}

// The four score columns sit side by side in one scroll area, so a long game scrolls them
// together while the headings and the totals stay put.
void ScoreSheet::buildScoreColumns() {
    scoreArea_ = new QScrollArea(this);
    scoreArea_->setObjectName(QStringLiteral("scoreArea"));
    scoreArea_->setFrameShape(QFrame::NoFrame);
    scoreArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scoreArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scoreArea_->setGeometry(0, kScoreTop, kSheetWidth, kScoreHeight);
    scoreArea_->viewport()->setAutoFillBackground(false);

    scoreColumns_ = new QWidget;
    scoreColumns_->setObjectName(QStringLiteral("scoreColumns"));
    scoreColumns_->setAutoFillBackground(false);
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        const int player = kPlayerInColumn[column];
        lblScore_[player] = centredLabel(scoreColumns_, QStringLiteral("lblScore%1").arg(player));
    }
    scoreArea_->setWidget(scoreColumns_);
    fitScoreColumns();
}

void ScoreSheet::buildTotals() {
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        const int player = kPlayerInColumn[column];
        lblTotal_[player] = centredLabel(this, QStringLiteral("lblTotal%1").arg(player));
        lblTotal_[player]->setGeometry(columnLeft(column), px(4440), kLabelWidth, px(255));
    }
}

void ScoreSheet::buildLines() {
    const int ys[] = {px(240), px(4440)};
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setGeometry(0, ys[i], px(4800) + 1, 1);
    }
}

// The columns are as tall as the sheet's score area, or as the longest column once a long
// game no longer fits it.
void ScoreSheet::fitScoreColumns() {
    int height = kScoreHeight;
    for (const QLabel* label : lblScore_)
        height = std::max(height, label->sizeHint().height());
    for (int column = 0; column < zanfel::kPlayers; ++column)
        lblScore_[kPlayerInColumn[column]]->setGeometry(columnLeft(column), 0, kLabelWidth, height);
    scoreColumns_->resize(kSheetWidth, height);
}

void ScoreSheet::setFigures(const zanfel::ScoreSheetFigures& figures, const zanfel::HandScores& scores) {
    for (int player = 0; player < zanfel::kPlayers; ++player) {
        const QString lines = scoreLines(scores, figures.handsListed, player);
        const QString total = QString::number(figures.totals[player]);
        lblScore_[player]->setText(lines);
        lblTotal_[player]->setText(total);
        // Read out with its heading, one hand after another.
        const QString heading = tr(kHeadings[columnOf(player)]);
        lblScore_[player]->setAccessibleName(heading + QStringLiteral(": ") +
                                             QString(lines).replace('\n', ", "));
        lblTotal_[player]->setAccessibleName(tr("%1 total: %2").arg(heading, total));
    }
    fitScoreColumns();
}

// The end-of-game check runs once per showing, from inside the sheet's own modal loop; a
// queued call gets it there without waiting for the window manager to activate us.
void ScoreSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || activationPending_)
        return;
    // The newest hands sit next to the totals.
    scoreArea_->verticalScrollBar()->setValue(scoreArea_->verticalScrollBar()->maximum());
    activationPending_ = true;
    QMetaObject::invokeMethod(this, &ScoreSheet::announceActivation, Qt::QueuedConnection);
}

void ScoreSheet::announceActivation() {
    activationPending_ = false;
    if (isVisible())
        emit activated();
}
