// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <memory>

#include "help/help_file.h"

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
