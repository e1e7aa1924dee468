// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRect>
#include <QVariantAnimation>
#include <QWidget>

// A computer player's card drawn on its way from one place to another, over the table. The
// game has already moved it: this is only a picture, so the target's old card is drawn over
// the new one until the flying card lands. It lets every click and drop through, and one
// flight at a time is enough, since a move's flight lasts at most half a tick.
class CardFlight : public QWidget {
public:
    explicit CardFlight(QWidget* table);

    // The longest flight, and the share of the tick a flight may take.
    static constexpr int kLongestMs = 300;
    static int durationFor(int tickIntervalMs);

    // Flies `card` from the place `from` to the place `to`, which shows `under` until it lands.
    // Any flight still under way ends first.
    void fly(const QWidget* from, const QWidget* to, const QPixmap& card, const QPixmap& under,
             int durationMs);
    // Ends the flight now, as if it had landed.
    void land();
    // The same flight goes on with the card and the one beneath drawn anew, in other faces.
    void redraw(const QPixmap& card, const QPixmap& under);

    bool inFlight() const { return target_ != nullptr; }
    const QWidget* target() const { return target_; }
    // The picture of the flying card.
    const QPixmap& picture() const { return card_; }
    // Where the card is drawn now, in the table's coordinates.
    QRect cardRect() const { return cardRect_; }
    // Where the card is drawn at `progress`, 0 at its place to 1 at its target.
    QRect cardRectAt(qreal progress) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void moveTo(qreal progress);
    void paintFrame(QPainter& painter, const QRect& clip) const;

    QVariantAnimation animation_;
    const QWidget* target_ = nullptr;
    QRect from_, to_, cardRect_;
    QPixmap card_, under_;
};
