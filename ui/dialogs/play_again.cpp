// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/play_again.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QString>

#include "dialogs/beside_window.h"
#include "names.h"

namespace {

// The question comes up over the score sheet, whose last rows hold the deciding hand: it stands
// beside the sheet instead of over it, so the whole sheet can be read while it asks.
class PlayAgainBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    // The box knows its size only once it is being shown; it is placed before it appears.
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QWidget* sheet = parentWidget();
        if (!sheet || !sheet->isVisible())
            return;
        // Our own frame is not known yet: it is taken to be like the sheet's.
        const QSize frame = sheet->frameGeometry().size() - sheet->size();
        move(besideWindow(sheet->frameGeometry(), size() + frame, sheet->screen()->availableGeometry()));
    }
};

struct Words {
    Q_DECLARE_TR_FUNCTIONS(PlayAgain)
};

// The question's own words for the winner, which do not name the players as the table does.
QString firstLine(const zanfel::GameOutcome& outcome, const QString& winner) {
    if (outcome.tie)
        return Words::tr("We have a tie !!");
    if (!winner.isEmpty() && outcome.leader != zanfel::kHuman)
        return Words::tr("%1 won !!").arg(winner);
    switch (outcome.leader) {
        case zanfel::kHuman:
            return Words::tr("You Won !!");
        case zanfel::kMiddlePlayer:
            return Words::tr("The middle player won !!");
        case zanfel::kLeftPlayer:
            return Words::tr("The left player won !!");
        default:
            return Words::tr("The player on the right won !!");
    }
}

}  // namespace

zanfel::Answer askPlayAgain(QWidget* parent, const zanfel::GameOutcome& outcome, const QString& winner) {
    const QString text =
        firstLine(outcome, winner) + QLatin1Char('\n') + Words::tr("Do you want to play again?");
    PlayAgainBox box(QMessageBox::NoIcon, programName(), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? zanfel::Answer::Ok : zanfel::Answer::Cancel;
}

QWidget* showHostAnswers(QWidget* parent, const zanfel::GameOutcome& outcome, const QString& winner,
                         const QString& host) {
    const QString text =
        firstLine(outcome, winner) + QLatin1Char('\n') + Words::tr("Do you want to play again?");
    auto* box = new PlayAgainBox(QMessageBox::NoIcon, programName(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel, parent);
    box->setObjectName(QStringLiteral("boxHostAnswers"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setInformativeText(Words::tr("%1 hosts this game and answers for everyone.").arg(host));
    for (QAbstractButton* button : box->buttons()) {
        button->setEnabled(false);
        button->setToolTip(
            Words::tr("Only %1, who hosts this game, decides whether to play again").arg(host));
    }
    box->show();
    return box;
}
