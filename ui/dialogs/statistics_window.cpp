// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/statistics_window.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "names.h"
#include "settings/settings_store.h"

namespace {

// The hands' figures come first; a line sets the games' apart.
constexpr std::size_t kFirstGameFigure = 4;
constexpr int kFirstFigureRow = 2;

int rowOf(std::size_t figure) {
    return kFirstFigureRow + static_cast<int>(figure) + (figure >= kFirstGameFigure ? 1 : 0);
}

QString columnName(int column) {
    return column == kNetworkColumn ? StatisticsWindow::tr("Network") : levelName(column);
}

QFrame* line(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

}  // namespace

StatisticsWindow::StatisticsWindow(SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(18);
    addHeadings(grid);
    addFigureRows(grid);
    addButtons(grid);
}

// The columns are all as wide as the widest heading, so the figures line up evenly.
void StatisticsWindow::addHeadings(QGridLayout* grid) {
    int width = 0;
    for (int column = 1; column <= kNetworkColumn; ++column) {
        auto* heading = new QLabel(columnName(column), this);
        heading->setObjectName(QStringLiteral("lblLevel%1").arg(column));
        heading->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        grid->addWidget(heading, 0, column);
        width = std::max(width, heading->sizeHint().width());
    }
    for (int column = 1; column <= kNetworkColumn; ++column)
        grid->setColumnMinimumWidth(column, width);
    grid->addWidget(line(this), 1, 0, 1, kNetworkColumn + 1);
    grid->addWidget(line(this), rowOf(kFirstGameFigure) - 1, 0, 1, kNetworkColumn + 1);
}

void StatisticsWindow::addFigureRows(QGridLayout* grid) {
    for (std::size_t figure = 0; figure < kRecordFigures.size(); ++figure) {
        grid->addWidget(new QLabel(headingOf(kRecordFigures[figure]), this), rowOf(figure), 0);
        for (int column = 1; column <= kNetworkColumn; ++column) {
            auto* value = new QLabel(this);
            value->setObjectName(QStringLiteral("lblRecord%1_%2").arg(column).arg(figure));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(value, rowOf(figure), column);
            values_[column - 1][figure] = value;
        }
    }
}

void StatisticsWindow::addButtons(QGridLayout* grid) {
    auto* buttons = new QDialogButtonBox(this);
    auto* reset = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("cmdReset"));
    reset->setAutoDefault(false);
    auto* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &StatisticsWindow::resetCommand);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(line(this), grid->rowCount(), 0, 1, kNetworkColumn + 1);
    // Why a switch to a harder level before the end pads nothing.
    auto* rule = new QLabel(
        tr("A hand counts at the easiest level it was played at, a game at the easiest of its hands."), this);
    rule->setObjectName(QStringLiteral("lblLevelRule"));
    grid->addWidget(rule, grid->rowCount(), 0, 1, kNetworkColumn + 1);
    grid->addWidget(buttons, grid->rowCount(), 0, 1, kNetworkColumn + 1);
}

void StatisticsWindow::refresh() {
    const zanfel::PlayerRecord record = store_.record();
    for (int column = 1; column <= kNetworkColumn; ++column) {
        const zanfel::LevelRecord& figures =
            column == kNetworkColumn ? record.withPeopleElsewhere : record.level(column);
        for (std::size_t figure = 0; figure < kRecordFigures.size(); ++figure) {
            const zanfel::Figure member = kRecordFigures[figure].member;
            // A best of nothing played is no 0.
            const QString text =
                zanfel::hasValue(figures, member) ? QString::number(figures.*member) : QStringLiteral("-");
            QLabel* value = values_[column - 1][figure];
            value->setText(text);
            value->setAccessibleName(
                tr("%1, %2: %3").arg(columnName(column), headingOf(kRecordFigures[figure]), text));
        }
    }
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        refresh();
    QDialog::showEvent(event);
}

// Cancel is the default: a record is slow to build and quick to lose.
void StatisticsWindow::resetCommand() {
    QMessageBox box(QMessageBox::Question, programName(),
                    tr("Clear your record at every skill level? This cannot be undone."),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok)
        return;
    store_.clearRecord();
    refresh();
}
