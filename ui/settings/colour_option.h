// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>

#include "settings/save_failure_notice.h"
#include "settings/saved_colour.h"

class CardTable;
class QColorDialog;
class QWidget;

// The table colour option: the saved colour applied, a colour chosen in the colour dialog and
// the reset to the button face. It remembers the value the table was given, so a system colour
// is saved as the system colour it is, and tells the player once per run if it cannot save.
class ColourOption : public QObject {
public:
    ColourOption(CardTable* table, QWidget* window);

    // False when the saved value is unusable; the player has been told.
    bool applySaved();
    // Background Color...: Cancel leaves the table and the store as they are.
    void choose();
    void reset();

    // The table colour as the option remembers it: RGB with red in the low byte, or a system colour.
    std::int32_t value() const { return value_; }

private:
    void setColour(const TableColour& colour);
    void save();

    CardTable* table_;
    QWidget* window_;
    QColorDialog* dialog_ = nullptr;
    std::int32_t value_ = kButtonFaceValue;
    SaveFailureNotice notSaved_{showColourNotSaved};
};
