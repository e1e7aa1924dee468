// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>

#include "card_id.h"
#include "face_set.h"

namespace zanfel::artwork {

// Where the parts of a face lie on the 57 x 73 place, in its logical pixels. The index is
// drawn at the top left and again turned about the middle at the bottom right.
struct FaceLayout {
    QRectF rankBox;          // the rank's letters, fitted to its height
    double jackDescent;      // how far the jack's letter hangs below the box
    double indexSuitY;       // the centre of the suit under the rank
    double indexSuitHeight;  // as wide as it is tall, but for the narrower diamond
    QRectF pipField;         // the centres of the outer pips
    double pipHeight;
    double aceHeight;
    double courtScale;  // the 71 x 96 face's court panel, shrunk about the middle

    // Everything the top left index may ink.
    QRectF indexBox() const;
    // Everything a pip at `centre` may ink.
    QRectF pipBox(QPointF centre) const;
    // Where the ace's one suit or the court panel lies.
    QRectF middleBox(int rank) const;
};

const FaceLayout& faceLayout(const FaceSet& faces);

// A face drawn for the 57 x 73 place on the table, filling `pixels` device pixels (the place's
// size on screen, see devicePixels()): big corner indices, pips sized for the place, and
// transparent rounded corners; in the player's face set.
QImage drawTableFace(CardId card, QSize pixels, const FaceSet& faces = {});

// A transparent image of `pixels`, for the faces, the backs and the empty place alike.
QImage blankPlaceImage(QSize pixels);

}  // namespace zanfel::artwork
