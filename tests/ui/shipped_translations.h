// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run's language as its .ts file ships it, and the English its windows must no longer show.

#include <QFile>
#include <QXmlStreamReader>

#include "window_test_support.h"

namespace testing_support {

struct ShippedText {
    QString context, source, state, translation;  // a plural's forms one after another
};

// English, the sources' own language, has none.
inline QList<ShippedText> shippedTexts() {
    QList<ShippedText> texts;
    if (testLanguage().isEmpty())
        return texts;
    QFile file(QStringLiteral(ZANFEL_TRANSLATIONS_DIR "/zanfel_%1.ts").arg(testLanguage()));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no translations for %s", qPrintable(testLanguage()));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            texts.append({context, xml.readElementText(), {}, {}});
        else if (xml.name() == u"translation")
            texts.last().state = xml.attributes().value("type").toString();
        if (xml.name() == u"translation")
            texts.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return texts;
}

// A line that is a text the language translates otherwise was looked up under the wrong name.
inline bool readsAsEnglish(const QString& text) {
    static const QStringList english = [] {
        QStringList sources;
        for (const ShippedText& shipped : shippedTexts())
            if (shipped.translation != shipped.source)
                sources << QString(shipped.source).remove('&');
        return sources;
    }();
    const QStringList lines = QString(text).remove('&').split('\n');
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return english.contains(line); });
}

}  // namespace testing_support
