#pragma once

#include <QPixmap>
#include <QWidget>

#include "card.h"

// One card place on the table: a 57 x 73 image that stretches whatever picture it is given,
// a card face, a back or the empty place, and lets the table colour show through where the
// picture is transparent.
class CardImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 57;
    static constexpr int kHeight = 73;

    explicit CardImage(QWidget* parent = nullptr);

    // Shows the face of `card`, or the empty place when card is 0.
    void showCard(zanfel::CardNumber card);
    // Shows a picture that is no card of the game, such as a back.
    void setPicture(const QPixmap& picture);

    zanfel::CardNumber card() const { return card_; }
    const QPixmap& picture() const { return picture_; }

    // The pile slot this image shows, -1 for none; what a drag from here will carry.
    int slot() const { return slot_; }
    void setSlot(int slot) { slot_ = slot; }

    QSize sizeHint() const override { return {kWidth, kHeight}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    zanfel::CardNumber card_ = zanfel::kNoCard;
    int slot_ = -1;
    bool pressed_ = false;
};
