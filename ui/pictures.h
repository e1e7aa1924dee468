// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

#include "card.h"

class QPainter;
class QRect;

// The pictures the game carries in its resources. Everything the table and the small windows
// show is drawn for its size on screen at 1x, 1.5x and 2x; a loader takes the screen's device
// pixel ratio and returns the set made for it (the nearest larger one for any other ratio, 2x
// above 2), with the pixmap's devicePixelRatio set. Every loader keeps what it loaded in the
// pixmap cache, so showing a card again costs a lookup and nothing more.

// The scale of the set a ratio is shown with: 1, 1.5 or 2.
qreal artworkScale(qreal ratio);

// The face of a card, 57 x 73 logical pixels.
QPixmap facePicture(zanfel::CardNumber card, qreal ratio);
// The human's red back on the Deck image.
QPixmap deckPicture(qreal ratio);
// A computer player's back, PlayerDeck(0..2): 0 the left player, 1 the middle, 2 the right.
QPixmap playerDeckPicture(int index, qreal ratio);
// The empty place: a crossed outline the size of a card, transparent around its lines.
QPixmap emptyPlacePicture(qreal ratio);
// The announcement's two pictures, 200 x 200: Youout when the human goes out, Theyout when a
// computer player does.
enum class AnnouncementPicture { Youout, Theyout };
QPixmap goingOutPicture(AnnouncementPicture picture, qreal ratio);
// The About box's picture as it shows it, 172 x 172.
QPixmap aboutPicture(qreal ratio);
QPixmap iconPicture();

// Draws `art` into `place`: pixel for pixel when it was made for the painter's ratio, and
// smoothly fitted only when the screen has a ratio no set was drawn for.
void paintArtwork(QPainter& painter, const QRect& place, const QPixmap& art);
