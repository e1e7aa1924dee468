// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/score_sheet.h"

#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStringList>
#include <algorithm>

#include "dialogs/button_room.h"
#include "names.h"
#include "table/twips.h"

namespace {

// The sheet as it was drawn: columns of labels 975 twips wide, 1200 apart, the headings and the
// totals one line high, Line1 under the headings and the score columns below it.
constexpr int kLabelWidth = px(975);
constexpr int kColumnPitch = px(1200);
constexpr int kLineHeight = px(255);
constexpr int kLine1Top = px(240);
constexpr int kScoreTop = px(360);
constexpr int kScoreHeight = px(3975);
constexpr int kTotalTop = px(4440);
constexpr QRect kOk = twipsRect(1920, 4920, 1095, 375);
constexpr QSize kSheetSize(px(4845), px(5385));
// Two neighbouring labels widened by a larger font keep at least this much room between them.
constexpr int kColumnGap = 8;

// Screen column c shows this player: human, left, middle, right.
constexpr std::array<int, zanfel::kPlayers> kPlayerInColumn = {zanfel::kHuman, zanfel::kLeftPlayer,
                                                               zanfel::kMiddlePlayer, zanfel::kRightPlayer};

QString headingOf(int player) {
    if (player == zanfel::kHuman)
        return ScoreSheet::tr("Your Score");
    return playerName(player);
}

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
    buildHeadings();
    buildScoreColumns();
    buildTotals();
    buildLines();

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdOk"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    layOut();
}

void ScoreSheet::buildHeadings() {
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        heading_[column] = centredLabel(this, QStringLiteral("Label%1").arg(column + 1));
        heading_[column]->setText(headingOf(kPlayerInColumn[column]));
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
    scoreArea_->viewport()->setAutoFillBackground(false);

    scoreColumns_ = new QWidget;
    scoreColumns_->setObjectName(QStringLiteral("scoreColumns"));
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        const int player = kPlayerInColumn[column];
        lblScore_[player] = centredLabel(scoreColumns_, QStringLiteral("lblScore%1").arg(player));
    }
    scoreArea_->setWidget(scoreColumns_);
}

void ScoreSheet::buildTotals() {
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        const int player = kPlayerInColumn[column];
        lblTotal_[player] = centredLabel(this, QStringLiteral("lblTotal%1").arg(player));
    }
}

void ScoreSheet::buildLines() {
    for (int i = 0; i < 2; ++i) {
        line_[i] = new QFrame(this);
        line_[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line_[i]->setFrameShape(QFrame::HLine);
        line_[i]->setFrameShadow(QFrame::Plain);
    }
}

// Everything where it was drawn, unless the font needs more room than the drawing gave it. A
// heading too wide for its column widens its column about the column's middle, and the columns
// move apart only as far as the gap between them needs; headings taller than their line push
// everything under them down, and the headings and totals take the height their text needs. OK
// grows about its middle and downwards to hold its word, and moves down when the totals reach
// it. The sheet grows by as much.
void ScoreSheet::layOut() {
    int lineHeight = std::max(kLineHeight, fontMetrics().height());
    std::array<int, zanfel::kPlayers> widths{};
    int pitch = kColumnPitch;
    int drop = 0;
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        const QSize needed = heading_[column]->sizeHint();
        // Widened by twos, so the centred texts stay on the pixels they were drawn on.
        const int extra = std::max(0, needed.width() - kLabelWidth);
        widths[column] = kLabelWidth + extra + extra % 2;
        pitch = std::max(pitch, widths[column] + kColumnGap);
        drop = std::max(drop, needed.height() - kLine1Top);
        lineHeight = std::max(lineHeight, needed.height());
    }
    okButton_->resize(kOk.size());
    const QSize okMore = textShortfall(okButton_);
    const int okDrop = drop + std::max(0, kTotalTop + lineHeight - kOk.top());
    const QSize size =
        kSheetSize + QSize(zanfel::kPlayers * (pitch - kColumnPitch), okDrop + okMore.height());
    setFixedSize(size);
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        // The middle of column c lies half a pixel right of pitch * (c + 1/2) on the drawing.
        const int left = (pitch * (2 * column + 1) + 1 - widths[column]) / 2;
        heading_[column]->setGeometry(left, 0, widths[column], lineHeight);
        lblTotal_[kPlayerInColumn[column]]->setGeometry(left, kTotalTop + drop, widths[column], lineHeight);
    }
    scoreArea_->setGeometry(0, kScoreTop + drop, size.width(), kScoreHeight);
    // The lines end two pixels short of the sheet's right edge, as drawn.
    line_[0]->setGeometry(0, kLine1Top + drop, size.width() - 2, 1);
    line_[1]->setGeometry(0, kTotalTop + drop, size.width() - 2, 1);
    okButton_->setGeometry(
        kOk.translated((size.width() - kSheetSize.width()) / 2, okDrop)
            .adjusted(-okMore.width() / 2, 0, okMore.width() - okMore.width() / 2, okMore.height()));
    fitScoreColumns();
}

// The columns are as tall as the sheet's score area, or as the longest column once a long
// game no longer fits it.
void ScoreSheet::fitScoreColumns() {
    int height = kScoreHeight;
    for (const QLabel* label : lblScore_)
        height = std::max(height, label->sizeHint().height());
    for (int column = 0; column < zanfel::kPlayers; ++column)
        lblScore_[kPlayerInColumn[column]]->setGeometry(heading_[column]->x(), 0, heading_[column]->width(),
                                                        height);
    scoreColumns_->resize(width(), height);
}

void ScoreSheet::setFigures(const zanfel::ScoreSheetFigures& figures, const zanfel::HandScores& scores) {
    for (int player = 0; player < zanfel::kPlayers; ++player) {
        const QString lines = scoreLines(scores, figures.handsListed, player);
        const QString total = QString::number(figures.totals[player]);
        lblScore_[player]->setText(lines);
        lblTotal_[player]->setText(total);
        // Read out with its heading, one hand after another.
        const QString heading = names_[player].isEmpty() ? headingOf(player) : names_[player];
        //: A column of the sheet read out: "Left Guy: 12, -4, 20".
        lblScore_[player]->setAccessibleName(tr("%1: %2").arg(heading, QString(lines).replace('\n', ", ")));
        lblTotal_[player]->setAccessibleName(tr("%1 total: %2").arg(heading, total));
    }
    fitScoreColumns();
}

void ScoreSheet::setNames(const std::array<QString, zanfel::kPlayers>& names) {
    if (names == names_)
        return;
    names_ = names;
    for (int column = 0; column < zanfel::kPlayers; ++column) {
        const int player = kPlayerInColumn[column];
        heading_[column]->setText(names[player].isEmpty() ? headingOf(player) : names[player]);
    }
    layOut();
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
