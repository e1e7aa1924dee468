// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation_frame.h"

#include <QPainter>

#include "table_ink.h"

FoundationFrame::FoundationFrame(QWidget* table) : QWidget(table) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FoundationFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(lineInk(palette().color(QPalette::Window)), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
