// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include "table_back.h"

// A thin frame drawn just outside a card place, in the gap between the places, so it never
// covers a card's corner index. It lies over the table and lets every click through, and it
// stays round its place, at the place's scale, when the table is zoomed. Its line is solid,
// dashed, dotted or double as well as coloured, and the colour is made lighter or darker as far
// as the table colour needs for the line to stand out from it.
class PlaceOutline : public QWidget {
public:
    static constexpr int kMargin = 3;  // how far outside the card the frame's outer edge lies at 100 %

    explicit PlaceOutline(QWidget* table);

    // Frames `place` in `colour` with a `line` and shows the frame.
    void surround(const QWidget* place, const QColor& colour,
                  zanfel::artwork::FrameLine line = zanfel::artwork::FrameLine::Solid);
    const QWidget* place() const { return place_; }
    // The colour asked for, and the one drawn on the table as it is now.
    QColor colour() const { return colour_; }
    QColor shownColour() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qreal scale() const;
    void fitPlace();

    const QWidget* place_ = nullptr;
    QColor colour_;
    zanfel::artwork::FrameLine line_ = zanfel::artwork::FrameLine::Solid;
};
