// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_again.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PlayAgain", text);
}

QString firstLine(const zanfel::GameOutcome& outcome) {
    if (outcome.tie)
        return tr("We have a tie !!");
    switch (outcome.leader) {
        case zanfel::kHuman:
            return tr("You Won !!");
        case zanfel::kMiddlePlayer:
            return tr("The middle player won !!");
        case zanfel::kLeftPlayer:
            return tr("The left player won !!");
        default:
            return tr("The player on the right won !!");
    }
}

}  // namespace

zanfel::Answer askPlayAgain(QWidget* parent, const zanfel::GameOutcome& outcome) {
    const QString text = firstLine(outcome) + QLatin1Char('\n') + tr("Do you want to play again?");
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zanfel"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? zanfel::Answer::Ok : zanfel::Answer::Cancel;
}
