// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A thin frame drawn just outside a card place, in the gap between the places, so it never
// covers a card's corner index. It lies over the table and lets every click through, and it
// stays round its place, at the place's scale, when the table is zoomed.
class PlaceOutline : public QWidget {
public:
    static constexpr int kMargin = 3;  // how far outside the card the frame's outer edge lies at 100 %

    explicit PlaceOutline(QWidget* table);

    // Frames `place` in `colour` and shows the frame.
    void surround(const QWidget* place, const QColor& colour);
    const QWidget* place() const { return place_; }
    QColor colour() const { return colour_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qreal scale() const;
    void fitPlace();

    const QWidget* place_ = nullptr;
    QColor colour_;
};
