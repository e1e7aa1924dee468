// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement_window.h"

#include <QIcon>
#include <QPainter>
#include <QPushButton>

#include "pictures.h"
#include "table.h"
#include "twips.h"

namespace {

// The window carries no icon of its own; without this it would borrow the game's.
QIcon blankIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

AnnouncementWindow::AnnouncementWindow(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setFixedSize(px(3000), px(3000));
    setWindowIcon(blankIcon());

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setGeometry(twipsRect(2350, 2475, 495, 375));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AnnouncementWindow::setGoingOut(int player) {
    const bool human = player == zanfel::kHuman;
    const QString caption = human ? tr("You won this hand !!") : tr("Someone else called...");
    setWindowTitle(caption);
    setAccessibleName(caption);  // the picture carries the call, which a screen reader cannot see
    picture_ = human ? AnnouncementPicture::Youout : AnnouncementPicture::Theyout;
    update();
}

void AnnouncementWindow::reject() {
    accept();
}

QPixmap AnnouncementWindow::picture() const {
    return goingOutPicture(picture_, devicePixelRatioF());
}

// The picture covers the whole client area, as the pictures are drawn for it.
void AnnouncementWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintArtwork(painter, rect(), picture());
}
