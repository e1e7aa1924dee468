// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>

// The per-user settings file, ~/.config/Zanfel/Settings.ini. The table colour and the player's
// record keep their own sections in it. Each writer changes only its own keys: QSettings
// writes them into the file as it stands on disk at that moment, under its own lock, so
// another copy of the game's keys survive.
class SettingsFile : public QSettings {
public:
    SettingsFile() : QSettings(IniFormat, UserScope, QStringLiteral("Zanfel"), QStringLiteral("Settings")) {}

    // Writes the changes out now; false when the file could not be written, which a read-only
    // file or folder shows only then.
    bool writeOut() {
        sync();
        return status() == NoError;
    }
};
