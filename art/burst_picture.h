// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>

namespace zanfel::artwork {

// The 200 x 200 picture shown when a hand goes out: a burst on a square with the call in
// large black letters, one entry of `lines` per line. `factor` device pixels to a logical one.
QImage drawBurstPicture(QColor square, QColor burst, const QStringList& lines, double factor = 1);

// The announcements' two bursts: "I'M OUT!" in blue and green when the player goes out,
// "ZANFEL!" in red and orange when a computer player does.
QImage drawYouOutPicture(double factor);
QImage drawTheyOutPicture(double factor);

}  // namespace zanfel::artwork
