// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "face_set.h"
#include "player_record.h"
#include "sound_settings.h"

class QWidget;

// Everything the game keeps between runs, in one per-user file, ~/.config/Zanfel/Settings.ini:
// the table colour, the zoom, whether moves are animated and the stuck cue shown, the card faces
// and the player's record, each in a section of its own. Every value is read from the file when it
// is asked for and written at once, changing only its own keys: QSettings writes them into the file
// as it stands on disk at that moment, under its own lock, so another copy of the game's keys
// survive.
//
// A file we cannot write costs only the saving: play goes on. The player hears of it once a
// run, at the first colour or record that is lost; a zoom, a display or a face choice that
// cannot be kept is simply not remembered.
class SettingsStore {
public:
    // Messages about a file that cannot be written come up over `window`.
    explicit SettingsStore(QWidget* window);

    // The table colour's text as saved, empty when absent.
    QString colourText() const;
    void saveColour(std::int32_t value);
    // Takes an unusable colour out of the file, so the next start has the table's own colour.
    // Quietly: the program ends once the player has been told of the colour.
    void forgetColour();

    // The zoom's percent as saved, empty when absent.
    QString zoomText() const;
    void saveZoom(int percent);

    // The name the player last gave to play with others, empty when none.
    QString networkName() const;
    void saveNetworkName(const QString& name);

    // On unless turned off.
    bool animateMoves() const;
    void saveAnimateMoves(bool animate);
    // The stuck cue: on unless turned off.
    bool stuckCue() const;
    void saveStuckCue(bool shown);

    // Today's faces unless an aid was chosen; a value that is neither true nor false is no choice.
    zanfel::artwork::FaceSet faces() const;
    void saveFaces(zanfel::artwork::FaceSet faces);
    // Both on unless turned off.
    SoundSettings sounds() const;
    void saveSounds(const SoundSettings& sounds);

    // A figure that is missing, not a number or impossible beside the others reads as 0.
    zanfel::PlayerRecord record() const;
    // Counts a finished hand, and the game it ended, into the figures as the file holds them now,
    // so two copies of the game playing at once add to each other's figures.
    void countHand(const zanfel::HandResult& hand);
    // Every level back to nothing; the rest of the file is left as it is.
    void clearRecord();

private:
    enum class Kept { Colour, Record };
    static bool flag(const QString& key);
    static void saveFlag(const QString& key, bool on);
    void afterWrite(bool written, Kept what);

    QWidget* window_;
    bool toldNotSaved_ = false;
};
