// The table colour: the saved one applied, one chosen in the colour dialog, and the reset to
// the button face. The window remembers the value it was given and saves what it remembers.
#include <QApplication>
#include <QColorDialog>

#include "main_window.h"

bool Form1::applySavedColour() {
    const SavedColour saved = parseSavedColour(savedColourText(), QApplication::palette());
    if (const auto* error = std::get_if<ColourError>(&saved)) {
        showColourError(this, *error);
        return false;
    }
    if (const auto* colour = std::get_if<TableColour>(&saved))
        setTableColour(*colour);
    return true;
}

// Cancel leaves the table and the store as they are.
void Form1::backColorCommand() {
    if (!commonDialog1_) {
        commonDialog1_ = new QColorDialog(this);
        commonDialog1_->setObjectName(QStringLiteral("CommonDialog1"));
    }
    commonDialog1_->setCurrentColor(tableColour());
    if (commonDialog1_->exec() != QDialog::Accepted)
        return;
    const QColor chosen = commonDialog1_->selectedColor();
    setTableColour({valueOfRgb(chosen), chosen});
    saveTableColour();
}

void Form1::resetTableColour() {
    setTableColour(buttonFaceColour(QApplication::palette()));
    saveTableColour();
}

void Form1::setTableColour(const TableColour& colour) {
    tableColourValue_ = colour.value;
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Window, colour.colour);
    table_->setPalette(palette);
}

// A store we cannot write costs only the saving: the colour stays on the table.
void Form1::saveTableColour() {
    colourNotSaved_.afterWrite(saveColourValue(tableColourValue_), this);
}

QColor Form1::tableColour() const {
    return table_->palette().color(QPalette::Window);
}
