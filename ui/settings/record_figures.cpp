// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/record_figures.h"

#include <QCoreApplication>
#include <QSettings>

#include "names.h"

namespace {

QString key(int level, const RecordFigure& figure) {
    const QString group = level == kNetworkColumn ? QStringLiteral("Network") : levelKey(level);
    return QStringLiteral("%1/%2/%3").arg(kRecordSection, group, QLatin1String(figure.key));
}

// The ini reader splits a text at its commas into a list, which is no number either.
int readFigure(const QSettings& file, const QString& key) {
    const QVariant value = file.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return 0;
    bool isNumber = false;
    const int figure = value.toString().trimmed().toInt(&isNumber);
    return isNumber ? figure : 0;
}

}  // namespace

QString headingOf(const RecordFigure& figure) {
    return QCoreApplication::translate("RecordFigures", figure.heading);
}

zanfel::LevelRecord readLevel(const QSettings& file, int level) {
    zanfel::LevelRecord record;
    for (const RecordFigure& figure : kRecordFigures)
        record.*figure.member = readFigure(file, key(level, figure));
    zanfel::dropImpossibleFigures(record);
    return record;
}

void writeLevel(QSettings& file, int level, const zanfel::LevelRecord& record) {
    for (const RecordFigure& figure : kRecordFigures)
        file.setValue(key(level, figure), record.*figure.member);
}
