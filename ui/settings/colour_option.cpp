// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/colour_option.h"

#include <QApplication>
#include <QColorDialog>
#include <QSettings>

#include "settings/settings_store.h"
#include "table/card_table.h"

namespace {

// Qt's colour dialog keeps the custom colours a player adds in Qt's own per-user settings file,
// written whenever a dialog goes away, and reads them back at the next start. The table colour
// is the one thing the game keeps, so those settings are pointed at the null device, where
// nothing can be read or written: the custom colours last for the run. (Our own settings name
// the ini format and are not touched.) A desktop's native dialog writes its colours to the
// desktop's store as soon as it is made, so the game always uses Qt's; that has to be settled
// before the dialog is made, which makes the native one at once.
QColorDialog* makeColourDialog(QWidget* window) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* dialog = new QColorDialog(window);
    dialog->setObjectName(QStringLiteral("CommonDialog1"));
    return dialog;
}

}  // namespace

ColourOption::ColourOption(CardTable* table, QWidget* window, SettingsStore& store)
    : QObject(window), table_(table), window_(window), store_(store) {
    setColour(buttonFaceColour(QApplication::palette()));
}

bool ColourOption::applySaved() {
    const SavedColour saved = parseSavedColour(store_.colourText(), QApplication::palette());
    if (const auto* error = std::get_if<ColourError>(&saved)) {
        showColourError(window_, *error);
        // Left in the file it would end every start the same way until edited by hand.
        store_.forgetColour();
        return false;
    }
    if (const auto* colour = std::get_if<TableColour>(&saved))
        setColour(*colour);
    return true;
}

void ColourOption::choose() {
    if (!dialog_)
        dialog_ = makeColourDialog(window_);
    dialog_->setCurrentColor(table_->colour());
    if (dialog_->exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog_->selectedColor();
    setColour({valueOfRgb(chosen), chosen});
    store_.saveColour(value_);
}

void ColourOption::reset() {
    setColour(buttonFaceColour(QApplication::palette()));
    store_.saveColour(value_);
}

void ColourOption::setColour(const TableColour& colour) {
    value_ = colour.value;
    table_->setColour(colour.colour);
}
