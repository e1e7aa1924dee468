// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

#include "face_set.h"

class QAction;
class QMenu;
class SettingsStore;

// Options > Card Faces: four-colour suits and large indices, each on or off, together or alone.
// A choice is shown at once, whatever the game is doing, and kept between runs; the faces come
// back from the last run when the window is made, before its first frame.
class FaceOption : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<void(zanfel::artwork::FaceSet)>;
    // `apply` puts a face set on the table.
    FaceOption(SettingsStore& store, Apply apply, QObject* parent);

    // Adds the submenu to `menu` and applies the saved faces.
    void addItems(QMenu* menu);

private:
    void choose();

    SettingsStore& store_;
    Apply apply_;
    QAction* fourColour_ = nullptr;
    QAction* largeIndices_ = nullptr;
};
