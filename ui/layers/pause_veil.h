// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// While play is paused the whole table lies under an opaque veil that says so and how to go on:
// a pause gives no time to study the cards. It takes the pointer too, so hovering over a place
// tells nothing either; the game ignores clicks on the table while paused anyway, and No one
// can play, from the menu, still works under it. It covers the table at every zoom.
class PauseVeil : public QWidget {
    Q_OBJECT
public:
    explicit PauseVeil(QWidget* table);

    // Covers the whole table while `paused`, over every card and mark.
    void follow(bool paused);
    QString text() const;
    // What the veil says: by default, how to go on.
    void setText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
