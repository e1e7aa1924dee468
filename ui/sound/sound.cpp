// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include <QDir>
#include <QFileInfo>

QString soundFileName(Sound sound) {
    switch (sound) {
        case Sound::Deal:
            return QStringLiteral("deal.wav");
        case Sound::OwnCard:
            return QStringLiteral("own_card.wav");
        case Sound::RivalCard:
            return QStringLiteral("rival_card.wav");
        case Sound::Refused:
            return QStringLiteral("refused.wav");
        case Sound::FoundationClosed:
            return QStringLiteral("foundation_closed.wav");
        case Sound::GoingOut:
            return QStringLiteral("going_out.wav");
        case Sound::GameOver:
            return QStringLiteral("game_over.wav");
    }
    return {};
}

QString locateSoundFolder(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("sounds"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(dir.filePath(QStringLiteral(ZANFEL_SOUNDS_FROM_PROGRAM)));
}
