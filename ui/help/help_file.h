// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct chmFile;

// The compiled help file, read with chmlib: its pages, its table of contents and its default page.
// Opening checks that the contents and the default page can really be read, so a damaged file is
// refused at once instead of failing page by page later.
class HelpFile {
public:
    struct Entry {
        QString title;
        QString page;  // as the pages are named: "rules.html"
    };

    HelpFile();
    ~HelpFile();
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;

    // False when the file is missing or damaged; error() then says why.
    bool open(const QString& path);
    const QString& error() const { return error_; }

    const QStringList& pages() const { return pages_; }  // every .html page in the file, sorted
    const QList<Entry>& contents() const { return contents_; }
    const QString& defaultPage() const { return defaultPage_; }

    // Any object in the file ("tips.html", "/zanfel.css"); nothing when it is absent or unreadable.
    std::optional<QByteArray> read(const QString& name) const;

private:
    bool fail(const QString& why);
    QString systemTopic(int code) const;
    bool readContents(const QString& listedSitemap);

    struct Closer {
        void operator()(chmFile* file) const;
    };
    std::unique_ptr<chmFile, Closer> file_;
    QString error_;
    QStringList pages_;
    QList<Entry> contents_;
    QString defaultPage_;
};
