// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

#include "table/pictures.h"

class QLabel;
class QPaintEvent;
class QWidget;

// The small picture window (Form5) that says who went out at the end of a hand: the caption
// and the picture tell the human's going out from a computer player's, and the line under the
// picture names the player. Its owner creates it once and says who went out before every showing.
class AnnouncementWindow : public QDialog {
    Q_OBJECT
public:
    explicit AnnouncementWindow(QWidget* parent = nullptr);

    // The caption and the picture for `player`, a player index: the human's, or a computer player's.
    // In a network game `name` names whoever went out, a person or a computer player.
    void setGoingOut(int player, const QString& name = {});
    // The picture as drawn for the ratio the window is on now.
    QPixmap picture() const;

    // The close box and Escape do what OK does: they only hide the window.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect pictureRect() const;

    AnnouncementPicture picture_ = AnnouncementPicture::Youout;
    QLabel* wentOut_;
};
