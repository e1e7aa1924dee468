// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "help/help_file.h"

class HelpBrowser;

class QTreeWidget;
class QTreeWidgetItem;

// The help window: the table of contents beside the page. Choosing an entry shows its page, and
// the entry of the page shown stays selected whichever way the player got there.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(std::unique_ptr<HelpFile> file, QWidget* parent = nullptr);

    void showPage(const QString& page);
    void showDefaultPage();
    QString shownPage() const;

private:
    void fillContents();
    void followContents(QTreeWidgetItem* item);
    void selectEntryOf(const QUrl& page);

    QTreeWidget* contents_ = nullptr;
    HelpBrowser* browser_ = nullptr;
};
