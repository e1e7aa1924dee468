// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/zoom_option.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "settings/settings_store.h"
#include "table/card_table.h"
#include "table/table_zoom.h"

ZoomOption::ZoomOption(CardTable* table, QMainWindow* window, SettingsStore& store)
    : QObject(window), table_(table), window_(window), store_(store) {}

void ZoomOption::addItems(QMenu* menu) {
    zoomIn_ = menu->addAction(tr("Zoom In"));
    zoomIn_->setObjectName(QStringLiteral("mnuZoomIn"));
    zoomIn_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn_, &QAction::triggered, this,
            [this] { step(zoomStepAbove(percent()).value_or(percent())); });
    zoomOut_ = menu->addAction(tr("Zoom Out"));
    zoomOut_->setObjectName(QStringLiteral("mnuZoomOut"));
    zoomOut_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(zoomOut_, &QAction::triggered, this,
            [this] { step(zoomStepBelow(percent()).value_or(percent())); });
    actualSize_ = menu->addAction(tr("Actual Size"));
    actualSize_->setObjectName(QStringLiteral("mnuActualSize"));
    actualSize_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(actualSize_, &QAction::triggered, this, [this] { step(kActualSize); });
    showEnds();
}

int ZoomOption::percent() const {
    return table_->zoom();
}

void ZoomOption::applySaved() {
    findLimit();
    zoomTo(zoomFromSaved(store_.zoomText(), limit_));
}

void ZoomOption::followScreen() {
    findLimit();
    if (percent() > limit_)
        zoomTo(limit_);
    showEnds();
    QWindow* handle = window_->windowHandle();
    if (handle && !followingScreen_) {
        followingScreen_ = true;
        connect(handle, &QWindow::screenChanged, this, &ZoomOption::followScreen);
    }
}

// A zoom the player chose is kept for the next run.
void ZoomOption::step(int percent) {
    if (percent > limit_ || percent == this->percent())
        return;
    zoomTo(percent);
    store_.saveZoom(percent);
}

// The window takes the table's new size at once rather than at its next layout pass, and one
// that grew past the screen's edge moves back onto it.
void ZoomOption::zoomTo(int percent) {
    table_->setZoom(percent);
    window_->layout()->activate();
    showEnds();
    if (!window_->isVisible())
        return;
    const QRect available = window_->screen()->availableGeometry();
    const QRect frame = window_->frameGeometry();
    window_->move(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())),
                  std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
}

// What the window adds around the table: its menu bar and, once it is shown, its frame.
void ZoomOption::findLimit() {
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    const QSize chrome = frame + QSize(0, window_->menuBar()->sizeHint().height());
    limit_ = largestFittingZoom(CardTable::kTwipsSize, chrome, window_->screen()->availableGeometry().size());
}

void ZoomOption::showEnds() {
    if (!zoomIn_)
        return;
    const std::optional<int> above = zoomStepAbove(percent());
    zoomIn_->setEnabled(above && *above <= limit_);
    zoomOut_->setEnabled(zoomStepBelow(percent()).has_value());
    actualSize_->setEnabled(percent() != kActualSize);
}
