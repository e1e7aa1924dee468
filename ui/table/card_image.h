// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "card.h"
#include "table/pictures.h"

// One card place on the table: a card's size at 100 %, larger at the table's zoom, showing a
// card face, a back or the empty place drawn for the device pixels it covers, and letting the
// table colour show through where the picture is transparent. A card of the human's own piles
// can be lifted from here: it is carried over the table inside the window, as on a real table,
// so the table can show it in the air and where it lands. Nothing from outside the window can
// be dropped on the table, so no other program, nor another copy of the game, can move a card.
class CardImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = zanfel::artwork::kPlaceSize.width();
    static constexpr int kHeight = zanfel::artwork::kPlaceSize.height();

    explicit CardImage(QWidget* parent = nullptr);

    // Shows the face of `card`, or the empty place when card is 0.
    void showCard(zanfel::CardNumber card);
    // What to show, drawn for the device pixels the place covers; the place asks again when they
    // changed, so a zoom or a window moved to another screen gets art drawn for its new size.
    using Artwork = std::function<QPixmap(const PlaceArt& art)>;
    // Shows a picture that is no card of the game, such as a back.
    void setArtwork(Artwork artwork);
    // What the place shows for a card this screen may not know (kHiddenCard): its owner's back.
    void setBackArtwork(Artwork back);
    // The picture of `card` as this place would show it: the empty place, the back, or its face.
    QPixmap pictureOf(zanfel::CardNumber card, const PlaceArt& art) const;

    zanfel::CardNumber card() const { return card_; }
    // The table's zoom, 1 at 100 %: the lines of the pictures are drawn for it.
    void setZoom(qreal zoom);
    // The faces as the player likes them; the place draws its card anew when they change.
    void setFaces(zanfel::artwork::FaceSet faces);
    // What the place's picture is drawn for now: its size at the zoom, the ratio of the screen it
    // is on, half device pixels rounding up, and the faces.
    PlaceArt art() const;
    // The picture for art().
    QPixmap picture() const;
    // The cacheKey of the pixmap the last paint drew, 0 before the first.
    qint64 drawnKey() const { return drawnKey_; }

    // A card lifted from here is the top card of the human's pile `slot`.
    void setDragSlot(int slot) { dragSlot_ = slot; }
    // While play is paused no card may be lifted at all.
    void setDragEnabled(bool enabled) { dragEnabled_ = enabled; }

    QSize sizeHint() const override { return {kWidth, kHeight}; }

signals:
    void clicked();
    // Only from a drag source: a double-click there plays the card, a press does not.
    void doubleClicked();
    // A drag from here: the card is lifted with the pointer at `hotSpot` on it, carried with the
    // pointer, and let go; every point in this place's coordinates.
    void lifted(QPoint hotSpot);
    void carried(QPoint pointer);
    void letGo(QPoint pointer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool draggable() const { return dragSlot_ >= 0 && dragEnabled_; }
    QPixmap pictureFor(const PlaceArt& art) const;
    QPixmap emptyPlace(const PlaceArt& art) const;

    Artwork artwork_;
    Artwork back_;
    qreal zoom_ = 1;
    zanfel::artwork::FaceSet faces_;
    // The picture last asked for, and what for: a paint needs no lookup while nothing changed.
    mutable QPixmap held_;
    mutable PlaceArt heldFor_;
    qint64 drawnKey_ = 0;
    zanfel::CardNumber card_ = zanfel::kNoCard;
    int dragSlot_ = -1;
    bool dragEnabled_ = true;
    bool pressed_ = false;
    bool dragging_ = false;
    QPoint pressedAt_;
};
