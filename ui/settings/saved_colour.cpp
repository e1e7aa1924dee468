// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/saved_colour.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <limits>

#include "names.h"

namespace {

constexpr std::uint32_t kSystemColourBit = 0x80000000u;
constexpr std::uint32_t kReservedBits = 0x7F000000u;
constexpr std::int32_t kLargestRgb = 0xFFFFFF;

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The Windows system colours by index, each on the nearest role of our palette.
constexpr std::array<PaletteEntry, 25> kSystemColours{{
    {QPalette::Active, QPalette::Midlight},         // 0 scrollbar
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Mid},            // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Inactive, QPalette::Button},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 app workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlight text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Disabled, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 info background
}};

// A decimal integer, perhaps signed, perhaps with blanks around it; nothing else.
const QRegularExpression kDecimal(QStringLiteral("^[ \\t]*([+-]?)0*([0-9]+)[ \\t]*$"));

}  // namespace

std::optional<QColor> colourFromValue(std::int32_t value, const QPalette& palette) {
    if (value >= 0) {
        if (value > kLargestRgb)
            return std::nullopt;
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    }
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint32_t index = bits & 0xFFu;
    if ((bits & kSystemColourBit) == 0 || (bits & kReservedBits) != 0 || index >= kSystemColours.size())
        return std::nullopt;
    const PaletteEntry entry = kSystemColours[index];
    return palette.color(entry.group, entry.role);
}

TableColour buttonFaceColour(const QPalette& palette) {
    return {kButtonFaceValue, *colourFromValue(kButtonFaceValue, palette)};
}

SavedColour parseSavedColour(const QString& text, const QPalette& palette) {
    if (text.isEmpty())
        return std::monostate{};
    const QRegularExpressionMatch match = kDecimal.match(text);
    if (!match.hasMatch())
        return kTypeMismatch;
    // Leading zeros are gone: more than ten digits is beyond 32 bits for sure.
    const QString digits = match.captured(2);
    if (digits.size() > 10)
        return kOverflow;
    const qint64 magnitude = digits.toLongLong();
    const qint64 value = match.captured(1) == QLatin1String("-") ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return kOverflow;
    const auto colourValue = static_cast<std::int32_t>(value);
    const std::optional<QColor> colour = colourFromValue(colourValue, palette);
    if (!colour)
        return kInvalidPropertyValue;
    return TableColour{colourValue, *colour};
}

std::int32_t valueOfRgb(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return rgb.red() + (rgb.green() << 8) + (rgb.blue() << 16);
}

QString colourErrorMessage(const ColourError& error) {
    return QCoreApplication::translate("SavedColour", "Error encountered in GetColors routine - %1 %2")
        .arg(QString::number(error.number),
             QCoreApplication::translate("SavedColour", error.description.toLatin1().constData()));
}

void showColourError(QWidget* parent, const ColourError& error) {
    QMessageBox box(QMessageBox::NoIcon, programName(), colourErrorMessage(error), QMessageBox::Ok, parent);
    box.exec();
}
