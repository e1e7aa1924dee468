// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/animate_moves_setting.h"

#include <QSettings>

namespace {

const QString kOrganisation = QStringLiteral("Zanfel");
const QString kApplication = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Display/AnimateMoves");

}  // namespace

bool savedAnimateMoves() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganisation, kApplication)
        .value(kKey, true)
        .toBool();
}

bool saveAnimateMoves(bool animate) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation, kApplication);
    settings.setValue(kKey, animate);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
