// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPaintEvent;

// The about window (Form3): the about picture, the title and release lines, OK. Its owner
// makes it once and afterwards only shows it again; nothing in it ever changes.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    // Line1 and Line2, in the colour of an active title bar.
    void paintEvent(QPaintEvent* event) override;

private:
    int addLine(const char* name, const QString& text, const QRect& place, Qt::Alignment alignment);

    QLine line1_;  // under the picture and the text
    QLine line2_;  // under the release line
};
