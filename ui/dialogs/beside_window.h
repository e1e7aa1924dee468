// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window whose frame is `size` can stand beside the window framed by `other` without
// covering any of it, inside `screen`: to its right with their tops level, else to its left,
// else below or above it, centred. When none of these fits, the right-hand place is pushed into
// the screen. The point is the top left corner of the frame.
QPoint besideWindow(const QRect& other, const QSize& size, const QRect& screen);
