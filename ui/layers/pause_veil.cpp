// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/pause_veil.h"

#include <QEvent>
#include <QPainter>

namespace {
// How much of the table's colour is left in the veil: enough to feel like the table, dark
// enough for white words on any table colour.
constexpr int kTableShare = 35;
const QColor kBand(0, 0, 0, 110);

// The veil's one colour, the table's darkened: only the words lie on it in other colours.
QColor veilOver(const QColor& table) {
    const QColor rgb = table.toRgb();
    return QColor(rgb.red() * kTableShare / 100, rgb.green() * kTableShare / 100,
                  rgb.blue() * kTableShare / 100);
}
}  // namespace

PauseVeil::PauseVeil(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("pauseVeil"));
    setText({});
    // A zoom lays the table out anew and resizes it: the veil covers it again.
    table->installEventFilter(this);
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

// Hidden, not invisible: a window not on screen shows nothing, yet its veil may be up.
void PauseVeil::follow(bool paused) {
    if (paused == !isHidden())
        return;
    if (paused) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    setVisible(paused);
}

bool PauseVeil::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

// The font is the table's, so the words grow with the zoom and stay centred.
void PauseVeil::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), veilOver(palette().color(QPalette::Window)));
    QFont big = font();
    if (big.pointSizeF() > 0)
        big.setPointSizeF(big.pointSizeF() * 2);
    else
        big.setPixelSize(big.pixelSize() * 2);
    big.setBold(true);
    painter.setFont(big);
    // The words lie on a darker band of their own.
    const QRect words = painter.boundingRect(rect(), Qt::AlignCenter, text());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBand);
    const int pad = words.height() / 2;
    painter.drawRoundedRect(words.adjusted(-pad, -pad / 2, pad, pad / 2), pad, pad);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
