// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

class QWidget;

// The table colour is kept between runs as the decimal text of a signed 32-bit colour value.

// A saved value we cannot use, with the number and words the message gives for it, so a
// player who reports it names the fault exactly.
struct ColourError {
    int number;
    QString description;
    friend bool operator==(const ColourError&, const ColourError&) = default;
};

// The words are English here and put in the player's language when the message is shown.
inline const ColourError kTypeMismatch{13, QStringLiteral(QT_TRANSLATE_NOOP("SavedColour", "Type mismatch"))};
inline const ColourError kOverflow{6, QStringLiteral(QT_TRANSLATE_NOOP("SavedColour", "Overflow"))};
inline const ColourError kInvalidPropertyValue{
    380, QStringLiteral(QT_TRANSLATE_NOOP("SavedColour", "Invalid property value"))};

// The table remembers its colour as the value it was given, so a system colour stays one.
struct TableColour {
    std::int32_t value;
    QColor colour;
};

// Hexadecimal 8000000F: the system's button-face colour, the table's own.
inline constexpr std::int32_t kButtonFaceValue = static_cast<std::int32_t>(0x8000000Fu);

// Nothing saved (keep the colour), a colour to apply, or an error.
using SavedColour = std::variant<std::monostate, TableColour, ColourError>;

// A colour value: 0..16777215 is RGB with red in the low byte; with the high bit set the low
// byte names a system colour, looked up in `palette`. Anything else is no colour.
std::optional<QColor> colourFromValue(std::int32_t value, const QPalette& palette);

// The table's own colour, the button face, as `palette` shows it.
TableColour buttonFaceColour(const QPalette& palette);

// The value of a colour chosen in the colour dialog: red in the low byte.
std::int32_t valueOfRgb(const QColor& colour);

// The saved text as the game reads it: blanks around a decimal integer are allowed.
SavedColour parseSavedColour(const QString& text, const QPalette& palette);

// "Error encountered in GetColors routine - 13 Type mismatch"
QString colourErrorMessage(const ColourError& error);

// The message box that reports an unusable saved colour: OK only, titled with the program's name.
void showColourError(QWidget* parent, const ColourError& error);
