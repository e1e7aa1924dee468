// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_settings.h"

#include <QSettings>

namespace {

const QString kSoundKey = QStringLiteral("Sound/PlaySounds");
const QString kRivalsKey = QStringLiteral("Sound/RivalsSounds");

QSettings settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zanfel"),
                     QStringLiteral("Settings"));
}

}  // namespace

SoundSettings savedSoundSettings() {
    const QSettings file = settingsFile();
    return {file.value(kSoundKey, true).toBool(), file.value(kRivalsKey, true).toBool()};
}

bool saveSoundSettings(const SoundSettings& settings) {
    QSettings file = settingsFile();
    file.setValue(kSoundKey, settings.sound);
    file.setValue(kRivalsKey, settings.rivals);
    file.sync();
    return file.status() == QSettings::NoError;
}
