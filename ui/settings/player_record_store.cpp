// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/player_record_store.h"

#include <QLockFile>
#include <QMessageBox>
#include <QObject>
#include <array>

#include "settings/settings_file.h"

namespace {

const QString kSection = QStringLiteral("Statistics");

// Keys as a player editing the file would look for them, in the order of kFigures.
constexpr std::array<const char*, zanfel::kLevelCount> kLevelKeys{"SuperEasy", "Easy", "Normal", "ReallyHard",
                                                                  "Blinding"};
constexpr std::array<const char*, zanfel::kFigures.size()> kFigureKeys{
    "HandsPlayed", "HandsWentOut",   "HandsScoredHighest", "BestHandScore", "GamesPlayed",
    "GamesWon",    "BestFinalTotal", "CurrentWinRun",      "LongestWinRun"};

QString key(int level, std::size_t figure) {
    return QStringLiteral("%1/%2/%3").arg(kSection, kLevelKeys[level - 1], kFigureKeys[figure]);
}

// The ini reader splits a text at its commas into a list, which is no number either.
int readFigure(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return 0;
    bool isNumber = false;
    const int figure = value.toString().trimmed().toInt(&isNumber);
    return isNumber ? figure : 0;
}

zanfel::LevelRecord readLevel(const QSettings& settings, int level) {
    zanfel::LevelRecord record;
    for (std::size_t f = 0; f < zanfel::kFigures.size(); ++f)
        record.*zanfel::kFigures[f] = readFigure(settings, key(level, f));
    zanfel::dropImpossibleFigures(record);
    return record;
}

void showRecordNotSaved(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zanfel"),
                    QObject::tr("Your record could not be saved. Play goes on, but the game will not "
                                "remember this run's hands next time."),
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

PlayerRecordStore::PlayerRecordStore(QWidget* parent) : parent_(parent), notSaved_(showRecordNotSaved) {}

zanfel::PlayerRecord PlayerRecordStore::load() const {
    const SettingsFile settings;
    zanfel::PlayerRecord record;
    for (int level = 1; level <= zanfel::kLevelCount; ++level)
        record.level(level) = readLevel(settings, level);
    return record;
}

void PlayerRecordStore::countHand(const zanfel::HandResult& hand) {
    if (hand.level < 1 || hand.level > zanfel::kLevelCount)
        return;
    // The settings library locks only its own writing: a copy that wrote between our reading and
    // our writing would lose its hand. So reading, counting and writing hold a lock of their
    // own, for a moment at most; one that cannot be had is no reason to lose this hand.
    QLockFile lock(SettingsFile().fileName() + QStringLiteral(".record"));
    lock.tryLock(2000);
    SettingsFile settings;
    zanfel::PlayerRecord record;
    record.level(hand.level) = readLevel(settings, hand.level);
    zanfel::countResult(record, hand);
    for (std::size_t f = 0; f < zanfel::kFigures.size(); ++f)
        settings.setValue(key(hand.level, f), record.level(hand.level).*zanfel::kFigures[f]);
    notSaved_.afterWrite(settings.writeOut(), parent_);
}

void PlayerRecordStore::clear() {
    SettingsFile settings;
    settings.remove(kSection);
    notSaved_.afterWrite(settings.writeOut(), parent_);
}
