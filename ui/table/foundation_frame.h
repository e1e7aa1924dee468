// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The thin frame round the foundations: a rectangle outline in the default line colour (white
// on a dark table), never filled and never clicked.
class FoundationFrame : public QWidget {
public:
    explicit FoundationFrame(QWidget* table);

    // The table's zoom, 1 at 100 %: the lines grow with it.
    void setZoom(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal zoom_ = 1;
};
