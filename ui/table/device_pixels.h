// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

// At a fractional device pixel ratio (a desktop scale of 1.25 or 1.5) a widget's edges can fall
// inside a device pixel, and Qt paints a widget only on the pixels wholly inside it: a line
// drawn on such an edge is cut away. What must show whole is drawn on those pixels themselves.

// The device pixels wholly inside `logical`, a rectangle of what `painter` paints on.
QRect wholeDevicePixels(const QPainter& painter, const QRect& logical);

// From here on `painter` takes device pixels: a rectangle of whole pixels fills exactly those.
void paintInDevicePixels(QPainter& painter);
