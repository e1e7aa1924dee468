// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// While play is paused the table lies under a dim veil that says so and how to go on. The
// cards still show through it, and it lets every click through: the game ignores them anyway,
// and No one can play still works, its result showing through the veil.
class PauseVeil : public QWidget {
public:
    explicit PauseVeil(QWidget* table);

    // Covers the whole table while `paused`, over every card and mark.
    void follow(bool paused);
    QString text() const;
    // What the veil says: by default, how to go on.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
