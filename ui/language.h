// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The game speaks the desktop's language when it has a translation for it, else English.

// The first of the desktop's languages, most wanted first (QLocale::uiLanguages(): "fr-FR",
// "de", "en-US"...), that the game speaks: "de", "fr"... or empty for English, which also wins
// where it comes first.
QString chooseLanguage(const QStringList& wanted);

// Puts the game's words and Qt's own (the colour dialog's, the message boxes' buttons) in
// `language`, until the application ends. English needs nothing, and gets nothing. Gives false
// when the game has no translation for `language`; Qt's own may be missing and the game still
// speaks the language.
bool installLanguage(QCoreApplication& application, const QString& language);
