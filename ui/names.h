// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "seats.h"

// The names the player reads in more than one window, each said once here: the program's, the
// players' and the skill levels'. Any window may use them; they know nothing of the windows.

// "Zanfel": the application's name and the title of every message box. A proper name, never
// translated.
QString programName();
// "Zanfel v2.0": the main window's caption, and the About window's title line begins with it.
QString programTitle();

// A player by the game's player index: "Left Guy", "Middle Guy", "Right Guy"; the human is "You".
QString playerName(int player);

// The same as the owner of a place, the form "%1's stock" takes: "Left Guy" in English, declined
// where a language declines it ("Herrn Links").
QString ownerName(int player);

// Who plays the place a screen draws at `local` (a player index of that screen), seen from the
// seat `viewer` as the host of a network game numbers them: a person's chosen name, else the
// usual name of the player of that seat ("Left Guy" is the host's left player on every screen;
// a game alone's bottom seat is "You").
QString seatName(const zanfel::Seats& seats, int viewer, int local);
// The same as the owner of that seat's places.
QString seatOwnerName(const zanfel::Seats& seats, int viewer, int local);

// A skill level 1..5 as its menu item shows it, with its access key: "&Super Easy".
QString levelCaption(int level);
// The same as a heading: "Super Easy".
QString levelName(int level);
// The same as a key of the settings file, the same in every language: "SuperEasy".
QString levelKey(int level);
