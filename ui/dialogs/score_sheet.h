// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "scoring.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QShowEvent;
class QWidget;

// The running score sheet (Form2): one column of hand scores per player, the totals below.
// It is created once and then only hidden and shown again; its captions stay until the next
// setText. Each showing emits activated() once the sheet is up, so the game can run its
// end-of-game check from inside the sheet's modal loop.
class ScoreSheet : public QDialog {
    Q_OBJECT

public:
    explicit ScoreSheet(QWidget* parent = nullptr);

    // Lists each player's scores of the listed hands, one hand per line, and the totals below.
    void setFigures(const zanfel::ScoreSheetFigures& figures, const zanfel::HandScores& scores);
    // Heads the columns with these names by player index, as a network game names its players;
    // an empty one keeps the usual heading.
    void setNames(const std::array<QString, zanfel::kPlayers>& names);

    // The score column area, for anyone who needs to know whether it scrolls.
    QScrollArea* scoreArea() const { return scoreArea_; }

signals:
    void activated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeadings();
    void buildScoreColumns();
    void buildTotals();
    void buildLines();
    void layOut();
    void fitScoreColumns();
    void announceActivation();

    std::array<QLabel*, zanfel::kPlayers> heading_{};  // by screen column
    std::array<QString, zanfel::kPlayers> names_;      // by player index
    std::array<QLabel*, zanfel::kPlayers> lblScore_{};
    std::array<QLabel*, zanfel::kPlayers> lblTotal_{};
    QScrollArea* scoreArea_ = nullptr;
    QWidget* scoreColumns_ = nullptr;
    std::array<QFrame*, 2> line_{};
    QPushButton* okButton_ = nullptr;
    bool activationPending_ = false;
};
