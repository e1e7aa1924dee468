// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <vector>

#include "names.h"
#include "settings/record_figures.h"

namespace {

const QString kColourKey = QStringLiteral("Colors/BackgroundColor");
const QString kZoomKey = QStringLiteral("View/Zoom");
const QString kAnimateMovesKey = QStringLiteral("Display/AnimateMoves");
const QString kStuckCueKey = QStringLiteral("Display/StuckCue");
const QString kFourColourKey = QStringLiteral("Display/FourColourSuits");
const QString kLargeIndicesKey = QStringLiteral("Display/LargeIndices");
const QString kSoundKey = QStringLiteral("Sound/PlaySounds");
const QString kRivalsSoundsKey = QStringLiteral("Sound/RivalsSounds");
const QString kNetworkNameKey = QStringLiteral("Network/Name");

// The file, opened the one way the game opens it.
class SettingsFile : public QSettings {
public:
    SettingsFile() : QSettings(IniFormat, UserScope, QStringLiteral("Zanfel"), QStringLiteral("Settings")) {}

    // Writes the changes out now; false when the file could not be written, which a read-only
    // file or folder shows only then.
    bool writeOut() {
        sync();
        return status() == NoError;
    }
};

// The ini reader splits a value at its commas into a list; such a text is no number either way.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// Only the words the game writes count: "yes" or "2" edited in by hand is no choice at all.
bool isTrue(const QVariant& value) {
    return value.toString() == QLatin1String("true");
}

QString notSavedText(bool colour) {
    if (colour)
        return QCoreApplication::translate(
            "SettingsStore",
            "The table colour could not be saved. It stays on the table for now, but "
            "the game will not remember it next time.");
    return QCoreApplication::translate("SettingsStore",
                                       "Your record could not be saved. Play goes on, but the game will not "
                                       "remember this run's hands next time.");
}

}  // namespace

SettingsStore::SettingsStore(QWidget* window) : window_(window) {}

QString SettingsStore::colourText() const {
    return textOf(SettingsFile().value(kColourKey));
}

void SettingsStore::saveColour(std::int32_t value) {
    SettingsFile file;
    file.setValue(kColourKey, QString::number(value));
    afterWrite(file.writeOut(), Kept::Colour);
}

QString SettingsStore::zoomText() const {
    return SettingsFile().value(kZoomKey).toString();
}

void SettingsStore::saveZoom(int percent) {
    SettingsFile file;
    file.setValue(kZoomKey, QString::number(percent));
    file.writeOut();
}

QString SettingsStore::networkName() const {
    return textOf(SettingsFile().value(kNetworkNameKey));
}

void SettingsStore::saveNetworkName(const QString& name) {
    SettingsFile file;
    file.setValue(kNetworkNameKey, name);
    file.writeOut();
}

void SettingsStore::forgetColour() {
    SettingsFile file;
    file.remove(kColourKey);
    file.writeOut();
}

// A display choice, on unless turned off.
bool SettingsStore::flag(const QString& key) {
    return SettingsFile().value(key, true).toBool();
}

void SettingsStore::saveFlag(const QString& key, bool on) {
    SettingsFile file;
    file.setValue(key, on);
    file.writeOut();
}

bool SettingsStore::animateMoves() const {
    return flag(kAnimateMovesKey);
}

void SettingsStore::saveAnimateMoves(bool animate) {
    saveFlag(kAnimateMovesKey, animate);
}

bool SettingsStore::stuckCue() const {
    return flag(kStuckCueKey);
}

void SettingsStore::saveStuckCue(bool shown) {
    saveFlag(kStuckCueKey, shown);
}

zanfel::artwork::FaceSet SettingsStore::faces() const {
    const SettingsFile file;
    return {.fourColour = isTrue(file.value(kFourColourKey)),
            .largeIndices = isTrue(file.value(kLargeIndicesKey))};
}

void SettingsStore::saveFaces(zanfel::artwork::FaceSet faces) {
    SettingsFile file;
    file.setValue(kFourColourKey, faces.fourColour);
    file.setValue(kLargeIndicesKey, faces.largeIndices);
    file.writeOut();
}

SoundSettings SettingsStore::sounds() const {
    const SettingsFile file;
    return {file.value(kSoundKey, true).toBool(), file.value(kRivalsSoundsKey, true).toBool()};
}

void SettingsStore::saveSounds(const SoundSettings& sounds) {
    SettingsFile file;
    file.setValue(kSoundKey, sounds.sound);
    file.setValue(kRivalsSoundsKey, sounds.rivals);
    file.writeOut();
}

zanfel::PlayerRecord SettingsStore::record() const {
    const SettingsFile file;
    zanfel::PlayerRecord record;
    for (int level = 1; level <= zanfel::kLevelCount; ++level)
        record.level(level) = readLevel(file, level);
    record.withPeopleElsewhere = readLevel(file, kNetworkColumn);
    return record;
}

void SettingsStore::countHand(const zanfel::HandResult& hand) {
    if (!zanfel::isLevel(hand.level))
        return;
    // The settings library locks only its own writing: a copy that wrote between our reading and
    // our writing would lose its hand. So reading, counting and writing hold a lock of their
    // own, for a moment at most; one that cannot be had is no reason to lose this hand.
    QLockFile lock(SettingsFile().fileName() + QStringLiteral(".record"));
    lock.tryLock(2000);
    SettingsFile file;
    // The hand counts at its level, and a game it ended at the game's, which may be easier.
    std::vector<int> levels{hand.level};
    if (hand.gameOver && zanfel::isLevel(hand.gameLevel) && hand.gameLevel != hand.level)
        levels.push_back(hand.gameLevel);
    zanfel::PlayerRecord record;
    for (int level : levels)
        record.level(level) = readLevel(file, level);
    record.withPeopleElsewhere = readLevel(file, kNetworkColumn);
    zanfel::countResult(record, hand);
    for (int level : levels)
        writeLevel(file, level, record.level(level));
    // Written only once such play has been counted, so a record of play alone stays as it was.
    if (hand.handWithPeopleElsewhere || hand.gameWithPeopleElsewhere)
        writeLevel(file, kNetworkColumn, record.withPeopleElsewhere);
    afterWrite(file.writeOut(), Kept::Record);
}

void SettingsStore::clearRecord() {
    SettingsFile file;
    file.remove(kRecordSection);
    afterWrite(file.writeOut(), Kept::Record);
}

void SettingsStore::afterWrite(bool written, Kept what) {
    if (written || toldNotSaved_)
        return;
    toldNotSaved_ = true;
    QMessageBox box(QMessageBox::Warning, programName(), notSavedText(what == Kept::Colour), QMessageBox::Ok,
                    window_);
    box.exec();
}
