// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/announcement_window.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/button_room.h"
#include "names.h"
#include "table.h"
#include "table/pictures.h"
#include "table/twips.h"

namespace {

// The window carries no icon of its own; without this it would borrow the game's.
QIcon blankIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QString wentOutText(int player, const QString& name) {
    if (player == zanfel::kHuman)
        return AnnouncementWindow::tr("You went out!");
    return AnnouncementWindow::tr("%1 went out.").arg(name.isEmpty() ? playerName(player) : name);
}

// A game alone keeps its two calls; with people elsewhere everyone is named, so each screen
// says who won the hand.
QString captionOf(int player, const QString& name) {
    if (player == zanfel::kHuman)
        return AnnouncementWindow::tr("You won this hand !!");
    if (name.isEmpty())
        return AnnouncementWindow::tr("Someone else called...");
    return AnnouncementWindow::tr("%1 won this hand !!").arg(name);
}

// The picture's side: the window was drawn as exactly the picture.
constexpr int kPictureTwips = 3000;

}  // namespace

AnnouncementWindow::AnnouncementWindow(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowIcon(blankIcon());
    // One line under the picture names who went out; the picture and its OK button keep
    // their places.
    wentOut_ = new QLabel(this);
    wentOut_->setObjectName(QStringLiteral("lblWentOut"));
    wentOut_->setAlignment(Qt::AlignCenter);
    const int line = wentOut_->fontMetrics().height() + 8;
    wentOut_->setGeometry(0, px(kPictureTwips), px(kPictureTwips), line);
    setFixedSize(px(kPictureTwips), px(kPictureTwips) + line);

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setGeometry(twipsRect(2350, 2475, 495, 375));
    // The button was drawn for "OK": a longer word or a larger font widens it to the left and
    // heightens it upwards, over the picture.
    const QSize more = textShortfall(okButton);
    okButton->setGeometry(okButton->geometry().adjusted(-more.width(), -more.height(), 0, 0));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AnnouncementWindow::setGoingOut(int player, const QString& name) {
    const bool human = player == zanfel::kHuman;
    const QString caption = captionOf(player, name);
    setWindowTitle(caption);
    wentOut_->setText(wentOutText(player, name));
    // The picture carries the call, which a screen reader cannot see.
    setAccessibleName(caption + QLatin1Char(' ') + wentOut_->text());
    setAccessibleDescription(wentOut_->text());
    picture_ = human ? AnnouncementPicture::Youout : AnnouncementPicture::Theyout;
    update();
}

void AnnouncementWindow::reject() {
    accept();
}

QPixmap AnnouncementWindow::picture() const {
    return goingOutPicture(picture_, devicePixelRatioF());
}

QRect AnnouncementWindow::pictureRect() const {
    return {0, 0, px(kPictureTwips), px(kPictureTwips)};
}

// The picture covers the client area it was drawn for, the line runs below it.
void AnnouncementWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintArtwork(painter, pictureRect(), picture());
}
