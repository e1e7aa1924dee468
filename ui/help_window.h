#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "help_file.h"

class QTreeWidget;
class QTreeWidgetItem;

// A text browser that takes its pages, style sheet and pictures from the help file, so the links
// between pages work as they do on disk.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(std::unique_ptr<HelpFile> file, QWidget* parent);
    ~HelpBrowser() override;
    const HelpFile& file() const { return *file_; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::unique_ptr<HelpFile> file_;
};

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
