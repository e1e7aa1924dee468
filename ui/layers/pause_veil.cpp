// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/pause_veil.h"

#include <QPainter>

namespace {
// Dark enough to read the words on any table colour, light enough to see the cards.
const QColor kVeil(0, 0, 0, 120);
const QColor kBand(0, 0, 0, 170);
}  // namespace

PauseVeil::PauseVeil(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("pauseVeil"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setText({});
    hide();
}

QString PauseVeil::text() const {
    return text_;
}

void PauseVeil::setText(const QString& text) {
    const QString said = text.isEmpty() ? tr("Paused: Ctrl+Z to go on") : text;
    if (said == text_)
        return;
    text_ = said;
    setAccessibleName(text_);
    update();
}

void PauseVeil::follow(bool paused) {
    if (paused == isVisible())
        return;
    if (paused) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    setVisible(paused);
}

void PauseVeil::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kVeil);
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    painter.setFont(big);
    // The words lie on a darker band of their own, so they read over light cards too.
    const QRect words = painter.boundingRect(rect(), Qt::AlignCenter, text());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBand);
    const int pad = words.height() / 2;
    painter.drawRoundedRect(words.adjusted(-pad, -pad / 2, pad, pad / 2), pad, pad);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
