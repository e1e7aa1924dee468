// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

#include "art_scale.h"
#include "card.h"
#include "face_set.h"

class QPainter;
class QRect;

// The pictures the game shows, drawn by the game's own artwork code for the device pixels they
// cover on screen: a place's size on the table at its zoom times the screen's device pixel
// ratio, fractional ratios such as 1.25 included, so nothing is ever resampled. Each is drawn
// the first time it is needed and kept in the pixmap cache, so showing a card again costs a
// lookup; the pixmap's devicePixelRatio is the screen's.

// What a card place's picture is drawn for.
struct PlaceArt {
    QSize pixels = zanfel::artwork::kPlaceSize;  // the device pixels it fills
    qreal scale = 1;  // device pixels to a pixel of the table at 100 %: the lines are drawn for it
    qreal ratio = 1;  // the screen's device pixel ratio
    zanfel::artwork::FaceSet faces;  // how the player likes the faces drawn; the backs ignore it

    // A place of `logical` pixels on the table at `zoom` (1 at 100 %) on a screen of `ratio`,
    // half device pixels rounding up.
    static PlaceArt forPlace(QSize logical, qreal zoom, qreal ratio, zanfel::artwork::FaceSet faces = {});
    friend bool operator==(const PlaceArt&, const PlaceArt&) = default;
};

// The face of a card, in the face set `art` names.
QPixmap facePicture(zanfel::CardNumber card, const PlaceArt& art);
// The human's red back on the Deck image.
QPixmap deckPicture(const PlaceArt& art);
// A computer player's back, PlayerDeck(0..2): 0 the left player, 1 the middle, 2 the right.
QPixmap playerDeckPicture(int index, const PlaceArt& art);
// The back of a player's deck by player index as the host numbers them: the host's is red
// wherever it lies on the table.
QPixmap seatBackPicture(int player, const PlaceArt& art);
// The empty place: a crossed outline the size of a card, transparent around its lines.
QPixmap emptyPlacePicture(const PlaceArt& art);
// The announcement's two pictures, 200 x 200: Youout when the human goes out, Theyout when a
// computer player does.
enum class AnnouncementPicture { Youout, Theyout };
QPixmap goingOutPicture(AnnouncementPicture picture, qreal ratio);
// The About box's picture as it shows it, 172 x 172.
QPixmap aboutPicture(qreal ratio);
QPixmap iconPicture();

// Draws `art` into `place`: pixel for pixel when it was made for the painter's ratio, and
// smoothly fitted only when it was not (a grab at another ratio).
void paintArtwork(QPainter& painter, const QRect& place, const QPixmap& art);
