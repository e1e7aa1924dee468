// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The sounds the table makes. Each is a file in the sounds folder, named as the sound generator
// (tools/sound) writes it.
enum class Sound { Deal, OwnCard, RivalCard, Refused, FoundationClosed, GoingOut, GameOver };

QString soundFileName(Sound sound);

// The folder of the sounds: beside the program while it runs from its build folder, otherwise in
// the installed data folder, found from the program's own folder so any prefix works.
QString locateSoundFolder(const QString& programDir);
