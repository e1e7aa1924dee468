// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextDocument>
#include <QTreeWidget>
#include <algorithm>

#include "help/help_browser.h"
#include "names.h"

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kContentsWidth = 180;
constexpr int kPageWidth = 560;

}  // namespace

HelpWindow::HelpWindow(std::unique_ptr<HelpFile> file, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("%1 Help").arg(programName()));
    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->header()->hide();
    contents_->setRootIsDecorated(false);
    browser_ = new HelpBrowser(std::move(file), nullptr);
    browser_->setObjectName(QStringLiteral("helpPage"));
    fillContents();

    // The contents take the width of their longest title, as far as a third of the window's
    // first width: translated titles run longer than the English ones it was laid out for.
    const int titles =
        static_cast<QAbstractItemView*>(contents_)->sizeHintForColumn(0) + 2 * contents_->frameWidth() + 8;
    const int side = std::clamp(titles, kContentsWidth, kContentsWidth * 2);
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({side, kPageWidth});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(760 + side - kContentsWidth, 540);

    connect(contents_, &QTreeWidget::currentItemChanged, this, &HelpWindow::followContents);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::selectEntryOf);
}

void HelpWindow::fillContents() {
    for (const HelpFile::Entry& entry : browser_->file().contents()) {
        auto* item = new QTreeWidgetItem(contents_, {entry.title});
        item->setData(0, kPageRole, entry.page);
    }
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(QUrl(page), QTextDocument::HtmlResource);
}

void HelpWindow::showDefaultPage() {
    showPage(browser_->file().defaultPage());
}

QString HelpWindow::shownPage() const {
    return browser_->source().path();
}

void HelpWindow::followContents(QTreeWidgetItem* item) {
    if (item)
        showPage(item->data(0, kPageRole).toString());
}

void HelpWindow::selectEntryOf(const QUrl& page) {
    const QSignalBlocker quiet(contents_);
    for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = contents_->topLevelItem(i);
        if (item->data(0, kPageRole).toString() == page.path()) {
            contents_->setCurrentItem(item);
            return;
        }
    }
    contents_->setCurrentItem(nullptr);
}
