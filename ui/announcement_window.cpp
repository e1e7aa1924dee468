#include "announcement_window.h"

#include <QIcon>
#include <QPainter>
#include <QPushButton>

#include "pictures.h"
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

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(2350, 2475, 495, 375));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

void AnnouncementWindow::setAnnouncement(const QString& caption, zanfel::Picture picture) {
    setWindowTitle(caption);
    setAccessibleName(caption);  // the picture carries the call, which a screen reader cannot see
    picture_ = picture;
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
