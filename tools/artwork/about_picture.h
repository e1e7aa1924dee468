#pragma once

#include <QImage>

namespace zanfel::artwork {

// The 360 x 280 picture in the About box: a fan of cards on the green table over the name.
QImage drawAboutPicture();

}  // namespace zanfel::artwork
