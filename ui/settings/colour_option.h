// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>

#include "settings/saved_colour.h"

class CardTable;
class SettingsStore;
class QColorDialog;
class QWidget;

// The table colour option: the saved colour applied, a colour chosen in the colour dialog and
// the reset to the button face. It remembers the value the table was given, so a system colour
// is saved as the system colour it is.
class ColourOption : public QObject {
public:
    ColourOption(CardTable* table, QWidget* window, SettingsStore& store);

    // False when the saved value is unusable; the player has been told, and the value is gone
    // from the file.
    bool applySaved();
    // Background Color...: Cancel leaves the table and the store as they are.
    void choose();
    void reset();

private:
    void setColour(const TableColour& colour);

    CardTable* table_;
    QWidget* window_;
    SettingsStore& store_;
    QColorDialog* dialog_ = nullptr;
    std::int32_t value_ = kButtonFaceValue;
};
