// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_browser.h"

#include <QTextDocument>

HelpBrowser::HelpBrowser(std::unique_ptr<HelpFile> file, QWidget* parent)
    : QTextBrowser(parent), file_(std::move(file)) {}

HelpBrowser::~HelpBrowser() = default;

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const std::optional<QByteArray> bytes = file_->read(name.path());
    if (!bytes)
        return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*bytes);
    return *bytes;
}
