#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>

#include "card.h"
#include "table_view.h"

// The pictures the game carries in its resources. Every loader keeps what it loaded in the
// pixmap cache, so showing a card again costs a lookup and nothing more.

// The face of a card: the bitmap numbered card + 100.
QPixmap facePicture(zanfel::CardNumber card);

// The human's red back on the Deck image.
QPixmap deckPicture();
// A computer player's back, PlayerDeck(0..2): 0 the left player, 1 the middle, 2 the right.
QPixmap playerDeckPicture(int index);

// The empty place: a 48 x 48 crossed square, transparent around its lines.
QPixmap emptyPlacePicture();
// Youout or Theyout, for the announcement when someone goes out.
QPixmap goingOutPicture(zanfel::Picture picture);
QPixmap iconPicture();
QPixmap aboutPicture();

// Our card bitmaps are kept as bare DIBs (the info header and the rows, no file header).
// This puts a BMP file header in front so the image reader can take them.
QImage decodeBareDib(const QByteArray& dib);
