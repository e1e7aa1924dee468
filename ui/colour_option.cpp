// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour_option.h"

#include <QApplication>
#include <QColorDialog>

#include "card_table.h"

ColourOption::ColourOption(CardTable* table, QWidget* window)
    : QObject(window), table_(table), window_(window) {
    setColour(buttonFaceColour(QApplication::palette()));
}

bool ColourOption::applySaved() {
    const SavedColour saved = parseSavedColour(savedColourText(), QApplication::palette());
    if (const auto* error = std::get_if<ColourError>(&saved)) {
        showColourError(window_, *error);
        return false;
    }
    if (const auto* colour = std::get_if<TableColour>(&saved))
        setColour(*colour);
    return true;
}

void ColourOption::choose() {
    if (!dialog_) {
        dialog_ = new QColorDialog(window_);
        dialog_->setObjectName(QStringLiteral("CommonDialog1"));
    }
    dialog_->setCurrentColor(table_->colour());
    if (dialog_->exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog_->selectedColor();
    setColour({valueOfRgb(chosen), chosen});
    save();
}

void ColourOption::reset() {
    setColour(buttonFaceColour(QApplication::palette()));
    save();
}

void ColourOption::setColour(const TableColour& colour) {
    value_ = colour.value;
    table_->setColour(colour.colour);
}

// A store we cannot write costs only the saving: the colour stays on the table.
void ColourOption::save() {
    notSaved_.afterWrite(saveColourValue(value_), window_);
}
