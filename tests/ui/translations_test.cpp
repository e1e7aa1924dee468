// SPDX-License-Identifier: GPL-3.0-or-later
// The run's language in its .ts and in the menus: every text translated with its placeholders and
// access key, every menu item in the language, no menu with two items on one key. The other windows'
// words are checked with their fit.
#include <QMenuBar>
#include <QRegularExpression>

#include "shipped_translations.h"

using namespace testing_support;

namespace {

QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : QRegularExpression("%(L?\\d+|n)").globalMatch(text))
        found << match.captured();
    return found;
}

qsizetype accessKeys(QString text) {
    return text.remove("&&").count('&');
}

}  // namespace

class TranslationsTest : public WindowTest {
    Q_OBJECT

private slots:
    void everyTextIsTranslatedWithItsPlaceholdersAndAccessKey() {
        QStringList faults;
        for (const ShippedText& text : shippedTexts()) {
            const QString where = text.context + ": " + text.source;
            if (!text.state.isEmpty() || text.translation.isEmpty())
                faults << "unfinished " + where;
            else if (placeholders(text.translation) != placeholders(text.source))
                faults << "placeholders of " + where;
            else if (accessKeys(text.source) == 1 && accessKeys(text.translation) != 1)
                faults << "access key of " + where;
        }
        QCOMPARE(faults.join('\n'), QString());
    }

    // Alt and a letter reach one item of each menu.
    void eachMenuSpeaksTheLanguageAndGivesEveryItemItsOwnKey() {
        QStringList faults;
        const QList<QWidget*> menus = window_->findChildren<QWidget*>(QRegularExpression("^mnu"))
                                      << window_->menuBar();
        for (const QWidget* menu : menus) {
            QString keys;
            for (const QAction* action : menu->actions()) {
                const QString key = QRegularExpression("&([^&])").match(action->text()).captured(1).toLower();
                if ((!key.isEmpty() && keys.contains(key)) ||
                    readsAsEnglish(action->text() + '\n' + action->toolTip()))
                    faults << menu->objectName() + ": " + action->text();
                keys += key;
            }
        }
        QCOMPARE(faults.join(", "), QString());
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
