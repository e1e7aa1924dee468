// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class CardTable;
class QAction;
class QMainWindow;
class QMenu;
class SettingsStore;

// The table's zoom: Zoom In, Zoom Out and Actual Size step the whole table through the zoom
// steps, at once and whatever the game is doing; the window follows the table and never
// grows past the screen, so the largest step that fits is the limit and the items grey out
// at the ends. The zoom is kept between runs.
class ZoomOption : public QObject {
    Q_OBJECT
public:
    ZoomOption(CardTable* table, QMainWindow* window, SettingsStore& store);

    // Adds the three items to `menu`.
    void addItems(QMenu* menu);
    // The zoom kept from the last run, or the largest step that fits when that one is no step
    // or does not fit this screen; nothing is said either way.
    void applySaved();
    // Once the window is on the screen its frame is known: the limit is found again, and again
    // whenever the window moves to another screen.
    void followScreen();

private:
    int percent() const;
    void zoomTo(int percent);
    void step(int percent);
    void findLimit();
    void showEnds();

    CardTable* table_;
    QMainWindow* window_;
    SettingsStore& store_;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* actualSize_ = nullptr;
    int limit_ = 100;
    bool followingScreen_ = false;
};
