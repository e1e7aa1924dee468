// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "player_record.h"

class QSettings;

// The nine figures of the player's record, in the order the record shows them: each with its key
// in the settings file, as a player editing the file would look for it, and its row's heading.
struct RecordFigure {
    zanfel::Figure member;
    const char* key;
    const char* heading;  // in the player's words through QCoreApplication::translate("RecordFigures")
};

inline constexpr std::array<RecordFigure, 9> kRecordFigures{{
    {&zanfel::LevelRecord::handsPlayed, "HandsPlayed", QT_TRANSLATE_NOOP("RecordFigures", "Hands played")},
    {&zanfel::LevelRecord::handsWentOut, "HandsWentOut",
     QT_TRANSLATE_NOOP("RecordFigures", "Hands you went out")},
    {&zanfel::LevelRecord::handsScoredHighest, "HandsScoredHighest",
     QT_TRANSLATE_NOOP("RecordFigures", "Hands you scored highest")},
    {&zanfel::LevelRecord::bestHandScore, "BestHandScore",
     QT_TRANSLATE_NOOP("RecordFigures", "Best hand score")},
    {&zanfel::LevelRecord::gamesPlayed, "GamesPlayed", QT_TRANSLATE_NOOP("RecordFigures", "Games played")},
    {&zanfel::LevelRecord::gamesWon, "GamesWon", QT_TRANSLATE_NOOP("RecordFigures", "Games won")},
    {&zanfel::LevelRecord::bestFinalTotal, "BestFinalTotal",
     QT_TRANSLATE_NOOP("RecordFigures", "Best final total")},
    {&zanfel::LevelRecord::currentWinRun, "CurrentWinRun",
     QT_TRANSLATE_NOOP("RecordFigures", "Current winning run")},
    {&zanfel::LevelRecord::longestWinRun, "LongestWinRun",
     QT_TRANSLATE_NOOP("RecordFigures", "Longest winning run")},
}};

// The record's section of the settings file: a group per skill level, a key per figure, each
// the decimal text of a number ("Statistics/Normal/HandsPlayed"); the play with people at other
// computers in a group of its own ("Statistics/Network/HandsPlayed").
inline const QString kRecordSection = QStringLiteral("Statistics");

QString headingOf(const RecordFigure& figure);

// The column of the record kept apart from the levels 1..5: play with people at other computers.
constexpr int kNetworkColumn = zanfel::kLevelCount + 1;

// One level's figures (or kNetworkColumn's) as `file` holds them; one that cannot be used reads
// as 0.
zanfel::LevelRecord readLevel(const QSettings& file, int level);
void writeLevel(QSettings& file, int level, const zanfel::LevelRecord& record);
