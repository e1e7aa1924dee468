// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>

// What is written and drawn on the table (the hint, the counts, the frame round the foundations,
// the empty places, the keyboard's ring) has to stand out from whatever colour the player gives
// the table: a dark shade on a light table, a light one on a dark table, whichever contrasts
// more. On the grey the table starts with, everything keeps the look it was drawn with.

// How far two colours stand apart in brightness, from 1 (not at all) to 21 (black on white).
double contrast(const QColor& one, const QColor& other);
// True when white stands out more from `table` than black does.
bool isDarkTable(const QColor& table);
// Black on a light table, white on a dark one: the frame and the empty places' lines.
QColor lineInk(const QColor& table);
// The theme's text colour while it reads well on the table, else black or white.
QColor textInk(const QColor& table, const QColor& themeText);
// `colour` mixed towards lineInk() only as far as a line needs to stand out from `table`, three
// to one: a player's own colour on the table wherever it can be.
QColor lineInkFrom(const QColor& colour, const QColor& table);
// The theme's highlight for the keyboard's ring, unless it is lost on a dark table.
QColor ringInk(const QColor& table, const QColor& highlight);
// `art` with every drawn pixel in `ink`, its transparency kept.
QPixmap inInk(const QPixmap& art, const QColor& ink);
