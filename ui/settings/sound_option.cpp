// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/sound_option.h"

#include <QAction>
#include <QMenu>

#include "settings/settings_store.h"
#include "table_sounds.h"

SoundOption::SoundOption(TableSounds& sounds, SettingsStore& store, QObject* parent)
    : QObject(parent), sounds_(sounds), store_(store) {
    sounds_.setSettings(store_.sounds());
}

void SoundOption::addItems(QMenu* menu) {
    const SoundSettings settings = sounds_.settings();
    sound_ = menu->addAction(tr("S&ound"));
    sound_->setObjectName(QStringLiteral("mnuSound"));
    sound_->setShortcut(QKeySequence(Qt::Key_M));
    sound_->setCheckable(true);
    sound_->setChecked(settings.sound);
    rivals_ = menu->addAction(tr("Ri&vals' Sounds"));
    rivals_->setObjectName(QStringLiteral("mnuRivalsSounds"));
    rivals_->setCheckable(true);
    rivals_->setChecked(settings.rivals);
    rivals_->setEnabled(settings.sound);
    connect(sound_, &QAction::toggled, this, &SoundOption::follow);
    connect(rivals_, &QAction::toggled, this, &SoundOption::follow);
}

// The rivals' choice is kept while the sound is off, greyed out, and holds again when it comes back.
void SoundOption::follow() {
    const SoundSettings settings{sound_->isChecked(), rivals_->isChecked()};
    rivals_->setEnabled(settings.sound);
    sounds_.setSettings(settings);
    store_.saveSounds(settings);
}
