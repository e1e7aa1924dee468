// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/seat_captions.h"

#include <QLabel>
#include <QTimer>

#include "game_front.h"
#include "names.h"
#include "net_limits.h"
#include "table/card_table.h"

namespace {

// Each caption stands beside its seat's deck, where that seat's row of piles begins going
// round the table: the screen's own right of its red deck above the hint, the others in the
// corners, in twips.
struct Caption {
    QRect twips;
    Qt::Alignment alignment;
};
constexpr std::array<Caption, zanfel::kPlayers> kCaptions{{
    {QRect(9240, 5535, 2010, 345), Qt::AlignLeft | Qt::AlignVCenter},  // the screen's own
    {QRect(120, 60, 2055, 1050), Qt::AlignRight | Qt::AlignTop},       // across: left of its deck
    {QRect(240, 5565, 1980, 1000), Qt::AlignLeft | Qt::AlignTop},      // the left: below its piles
    {QRect(9135, 60, 2115, 780), Qt::AlignRight | Qt::AlignTop},       // the right: above its piles
}};

}  // namespace

SeatCaptions::SeatCaptions(CardTable* table) : QObject(table), table_(table) {
    for (int player = 0; player < zanfel::kPlayers; ++player) {
        const Caption& caption = kCaptions[player];
        labels_[player] =
            table->addLabel(QStringLiteral("lblSeat%1").arg(player), caption.twips, caption.alignment);
        labels_[player]->setTextFormat(Qt::RichText);
        labels_[player]->hide();
        noteTimers_[player] = new QTimer(this);
        noteTimers_[player]->setSingleShot(true);
        noteTimers_[player]->setInterval(zanfel::net::kRejoinWindowMs);
        connect(noteTimers_[player], &QTimer::timeout, this, [this, player] {
            notes_[player].clear();
            refresh();
        });
    }
}

void SeatCaptions::setGame(const zanfel::GameFront& game) {
    game_ = &game;
    seen_ = game.seats();
}

void SeatCaptions::setShown(bool shown) {
    shown_ = shown;
    for (QTimer* timer : noteTimers_)
        timer->stop();
    notes_ = {};
    if (game_)
        seen_ = game_->seats();
    for (QLabel* label : labels_)
        label->setVisible(shown);
    if (!shown)
        table_->setOwners({});
    refresh();
}

QString SeatCaptions::nameOf(int player) const {
    return seatName(game_->seats(), game_->viewer(), player);
}

void SeatCaptions::refresh() {
    if (!shown_ || !game_)
        return;
    const zanfel::Seats& seats = game_->seats();
    noteChanges(seats);
    std::array<QString, zanfel::kPlayers> owners;
    for (int player = 0; player < zanfel::kPlayers; ++player) {
        owners[player] =
            player == zanfel::kHuman ? QString() : seatOwnerName(game_->seats(), game_->viewer(), player);
        showCaption(player);
    }
    table_->setOwners(owners);
}

// A person whose seat went to its computer player left; one who took it back is back.
void SeatCaptions::noteChanges(const zanfel::Seats& seats) {
    for (int player = 0; player < zanfel::kPlayers; ++player) {
        const zanfel::Seat& before = seen_[player];
        const zanfel::Seat& now = seats[player];
        if (zanfel::isPerson(before.kind) == zanfel::isPerson(now.kind))
            continue;
        const QString name = QString::fromStdString(zanfel::isPerson(now.kind) ? now.name : before.name);
        notes_[player] = zanfel::isPerson(now.kind) ? tr("%1 is back").arg(name) : tr("%1 left").arg(name);
        noteTimers_[player]->start();
    }
    seen_ = seats;
}

// The name in bold, cut to the caption's width, then a line for each thing there is to say.
void SeatCaptions::showCaption(int player) {
    QLabel* label = labels_[player];
    QFont bold = label->font();
    bold.setBold(true);
    const QString name = QFontMetrics(bold).elidedText(nameOf(player), Qt::ElideRight, label->width());
    QStringList said;
    const zanfel::Controls& controls = game_->controls();
    if (controls.cardCountChecked && player != zanfel::kHuman)
        said << tr("Personal pile: %1").arg(game_->countOf(zanfel::imageOf(player, zanfel::kPersonalSlot)));
    if (controls.askedNoOneCanPlay[player])
        said << tr("Asks for No one can play");
    if (!notes_[player].isEmpty())
        said << notes_[player];
    label->setToolTip(nameOf(player));
    if (player == zanfel::kHuman) {
        showOwnLine(label, bold, name, said);
        return;
    }
    QString text = QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped());
    for (const QString& line : said)
        text += QStringLiteral("<br>") + line.toHtmlEscaped();
    label->setText(text);
}

// The screen's own caption has one line beside the deck: what it says comes after the name, cut
// with an ellipsis where the line would not fit, and then the tooltip says the whole line.
void SeatCaptions::showOwnLine(QLabel* label, const QFont& bold, const QString& name,
                               const QStringList& said) {
    const QString separator = QStringLiteral(" \u00b7 ");
    const QString whole = said.join(separator);
    const QFontMetricsF metrics(label->font());
    const qreal room =
        label->width() - QFontMetricsF(bold).horizontalAdvance(name) - metrics.horizontalAdvance(separator);
    const QString shown = metrics.elidedText(whole, Qt::ElideRight, room);
    QString text = QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped());
    if (!shown.isEmpty())
        text += separator + shown.toHtmlEscaped();
    label->setText(text);
    if (shown != whole)
        label->setToolTip(label->toolTip() + separator + whole);
}
