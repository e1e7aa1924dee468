// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace zanfel::artwork {

// All lettering uses the DejaVu families by name, sized in pixels so the pictures do not
// depend on the screen's resolution.
inline QFont dejaVu(const QString& family, double pixelSize, bool bold = true) {
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

inline QFont sansBold(double pixelSize) {
    return dejaVu(QStringLiteral("DejaVu Sans"), pixelSize);
}
inline QFont serifBold(double pixelSize) {
    return dejaVu(QStringLiteral("DejaVu Serif"), pixelSize);
}

}  // namespace zanfel::artwork
