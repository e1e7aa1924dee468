// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_window.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/button_room.h"
#include "names.h"
#include "table/pictures.h"
#include "table/twips.h"

namespace {

constexpr QLine kLine1(px(240), px(2880), px(5640), px(2880));
constexpr QLine kLine2(px(2760), px(600), px(5640), px(600));
// The title, the release line and Line2 were drawn this far apart, a line of text each.
constexpr int kLinePitch = px(240);

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("About %1").arg(programName()));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(twipsRect(120, 120, 2580, 2580));
    // The wide picture was drawn stretched into the square, for this screen's pixel ratio.
    picture->setPixmap(aboutPicture(devicePixelRatioF()));

    // A line that needs more room than the drawing gave it pushes what lies under it down; once
    // the text reaches Line1, Line1 and OK move down too, keeping a line's room under Line2.
    int pushed = addLine("Label1", tr("%1, Zanfel team").arg(programTitle()), twipsRect(2880, 120, 2535, 255),
                         Qt::AlignLeft);
    pushed += addLine("Label2", tr("Released December 2026"),
                      twipsRect(2880, 360, 2535, 255).translated(0, pushed), Qt::AlignRight);
    line2_ = kLine2.translated(0, pushed);
    const int drop = qMax(0, line2_.y1() + kLinePitch - kLine1.y1());
    line1_ = kLine1.translated(0, drop);

    // OK grows leftwards and downwards to hold its word; the window grows by as much.
    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setGeometry(twipsRect(4320, 3000, 1095, 375));
    const QSize more = textShortfall(okButton);
    okButton->setGeometry(
        okButton->geometry().translated(0, drop).adjusted(-more.width(), 0, 0, more.height()));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(px(5640), px(3495) + drop + more.height());
}

// A font larger than the drawing allowed wraps the text and grows the label downwards, rather
// than cut it. Gives back how much further down the text reaches than the drawing's line did.
int AboutWindow::addLine(const char* name, const QString& text, const QRect& place, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    const int height = label->heightForWidth(place.width());
    label->setGeometry(place.adjusted(0, 0, 0, qMax(0, height - place.height())));
    return qMax(0, height - kLinePitch);
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Active, QPalette::Highlight));
    painter.drawLine(line1_);
    painter.drawLine(line2_);
}
