// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "settings/record_figures.h"

class SettingsStore;
class QGridLayout;
class QLabel;
class QShowEvent;

// The player's record (Game > Statistics...): a column per skill level and one for network
// games, a row per figure. It
// reads the settings file at every showing, so hands that ended since, in this copy of the
// game or another, are in. Reset clears every level once the player has said OK. Modal; its
// owner makes it once and shows it again.
class StatisticsWindow : public QDialog {
    Q_OBJECT

public:
    explicit StatisticsWindow(SettingsStore& store, QWidget* parent = nullptr);

    // Shows the figures as the file holds them now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addHeadings(QGridLayout* grid);
    void addFigureRows(QGridLayout* grid);
    void addButtons(QGridLayout* grid);
    void resetCommand();

    SettingsStore& store_;
    // By column: level 1..5 as index 0..4, the network's last; then by figure in the order of
    // kRecordFigures.
    std::array<std::array<QLabel*, kRecordFigures.size()>, kNetworkColumn> values_{};
};
