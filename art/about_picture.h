// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace zanfel::artwork {

// The About box's picture, a fan of cards on the green table over the name, designed on
// 360 x 280 and drawn straight into `size` device pixels (the box shows it in a square).
QImage drawAboutPicture(QSize size);

}  // namespace zanfel::artwork
