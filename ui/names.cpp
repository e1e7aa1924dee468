// SPDX-License-Identifier: GPL-3.0-or-later
#include "names.h"

#include <QCoreApplication>
#include <array>

#include "controls.h"
#include "seat_view.h"
#include "table.h"

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Names)
};

// By player index: the human, then the middle, left and right computer players.
constexpr std::array<const char*, zanfel::kPlayers> kPlayerNames{
    QT_TRANSLATE_NOOP("Names", "You"), QT_TRANSLATE_NOOP("Names", "Middle Guy"),
    QT_TRANSLATE_NOOP("Names", "Left Guy"), QT_TRANSLATE_NOOP("Names", "Right Guy")};

// The computer players' names where they own a place, "Left Guy's stock": a language that
// declines names there translates these apart ("Vorrat von Herrn Links").
struct OwnerName {
    const char* source;
    const char* comment;
};
constexpr std::array<OwnerName, zanfel::kPlayers> kOwnerNames{
    OwnerName QT_TRANSLATE_NOOP3("Names", "You", "the owner of a place, as in: %1's stock"),
    OwnerName QT_TRANSLATE_NOOP3("Names", "Middle Guy", "the owner of a place, as in: %1's stock"),
    OwnerName QT_TRANSLATE_NOOP3("Names", "Left Guy", "the owner of a place, as in: %1's stock"),
    OwnerName QT_TRANSLATE_NOOP3("Names", "Right Guy", "the owner of a place, as in: %1's stock")};

constexpr std::array<const char*, zanfel::kLevelCount> kLevelCaptions{
    QT_TRANSLATE_NOOP("Names", "&Super Easy"), QT_TRANSLATE_NOOP("Names", "&Easy"),
    QT_TRANSLATE_NOOP("Names", "&Normal"), QT_TRANSLATE_NOOP("Names", "&Really Hard"),
    QT_TRANSLATE_NOOP("Names", "&Blinding")};

// A person's chosen name at that seat, or none for a computer player's seat.
QString personAt(const zanfel::Seats& seats, int local) {
    const zanfel::Seat& seat = seats[local];
    return zanfel::isPerson(seat.kind) ? QString::fromStdString(seat.name) : QString();
}

}  // namespace

QString programName() {
    return QStringLiteral("Zanfel");
}

// The version is the build's own, from the project's.
QString programTitle() {
    return Words::tr("%1 v%2").arg(programName(), QStringLiteral(ZANFEL_VERSION));
}

QString playerName(int player) {
    return Words::tr(kPlayerNames[player]);
}

QString ownerName(int player) {
    return Words::tr(kOwnerNames[player].source, kOwnerNames[player].comment);
}

QString seatName(const zanfel::Seats& seats, int viewer, int local) {
    const QString person = personAt(seats, local);
    return person.isEmpty() ? playerName(zanfel::hostPlayer(viewer, local)) : person;
}

QString seatOwnerName(const zanfel::Seats& seats, int viewer, int local) {
    const QString person = personAt(seats, local);
    return person.isEmpty() ? ownerName(zanfel::hostPlayer(viewer, local)) : person;
}

QString levelCaption(int level) {
    return Words::tr(kLevelCaptions[level - 1]);
}

QString levelName(int level) {
    return levelCaption(level).remove(QLatin1Char('&'));
}

QString levelKey(int level) {
    return QString::fromLatin1(kLevelCaptions[level - 1]).remove(QLatin1Char('&')).remove(QLatin1Char(' '));
}
