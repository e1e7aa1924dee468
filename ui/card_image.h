#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "card.h"

// One card place on the table: a 57 x 73 image showing a card face, a back or the empty
// place, drawn from the artwork made for the screen's device pixel ratio, and letting the
// table colour show through where the picture is transparent.
class CardImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 57;
    static constexpr int kHeight = 73;

    explicit CardImage(QWidget* parent = nullptr);

    // Shows the face of `card`, or the empty place when card is 0.
    void showCard(zanfel::CardNumber card);
    // What to show for a device pixel ratio; the place asks again whenever it paints, so a
    // window moved to another screen gets that screen's artwork.
    using Artwork = std::function<QPixmap(qreal ratio)>;
    // Shows a picture that is no card of the game, such as a back.
    void setArtwork(Artwork artwork);

    zanfel::CardNumber card() const { return card_; }
    // The picture for the ratio the place is on now.
    QPixmap picture() const;
    // The cacheKey of the pixmap the last paint drew, 0 before the first.
    qint64 drawnKey() const { return drawnKey_; }

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
    Artwork artwork_;
    qint64 drawnKey_ = 0;
    zanfel::CardNumber card_ = zanfel::kNoCard;
    int slot_ = -1;
    bool pressed_ = false;
};
