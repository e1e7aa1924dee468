// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/button_room.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

QSize textShortfall(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
    const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return (needed - room).expandedTo(QSize(0, 0));
}
