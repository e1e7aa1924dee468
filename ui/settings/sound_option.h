// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMenu;
class SettingsStore;
class TableSounds;

// Options > Sound, which M turns off or on at once from anywhere on the table, and Options >
// Rivals' Sounds, which keeps only the player's own sounds. Both start as the last run left them
// and are kept as soon as they change.
class SoundOption : public QObject {
    Q_OBJECT
public:
    SoundOption(TableSounds& sounds, SettingsStore& store, QObject* parent);

    // Adds the two items to `menu`.
    void addItems(QMenu* menu);

private:
    void follow();

    TableSounds& sounds_;
    SettingsStore& store_;
    QAction* sound_ = nullptr;
    QAction* rivals_ = nullptr;
};
