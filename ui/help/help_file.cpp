// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_file.h"

#include <chm_lib.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtEndian>

namespace {

// No help file comes near this; the whole file is read once to check it before chmlib sees it.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

// chmlib names objects from the root ("/rules.html"); the pages link to each other without it.
QString pageName(const QString& name) {
    return name.startsWith(QLatin1Char('/')) ? name.mid(1) : name;
}

struct Listing {
    QStringList pages;
    QString sitemap;  // the first .hhc file, for a file whose #SYSTEM does not name it
};

int listObject(chmFile*, chmUnitInfo* unit, void* context) {
    auto* listing = static_cast<Listing*>(context);
    const QString name = pageName(QString::fromUtf8(unit->path));
    if (name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ||
        name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        listing->pages.append(name);
    else if (name.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive) && listing->sitemap.isEmpty())
        listing->sitemap = name;
    return CHM_ENUMERATOR_CONTINUE;
}

// The values in a sitemap are HTML attribute text: a translated title may spell its letters as
// entities ("&auml;", "&#233;", "&laquo;") as well as write them in UTF-8.
QString unescape(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    return QTextDocumentFragment::fromHtml(text).toPlainText();
}

// One entry of a sitemap: an OBJECT of type text/sitemap with a Name and a Local param.
QList<HelpFile::Entry> parseSitemap(const QString& sitemap) {
    static const QRegularExpression object(
        QStringLiteral("<object[^>]*text/sitemap[^>]*>(.*?)</object>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(
        QStringLiteral("<param\\s+name\\s*=\\s*\"([^\"]*)\"\\s+value\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QList<HelpFile::Entry> entries;
    for (const QRegularExpressionMatch& item : object.globalMatch(sitemap)) {
        HelpFile::Entry entry;
        for (const QRegularExpressionMatch& p : param.globalMatch(item.captured(1))) {
            const QString key = p.captured(1).toLower();
            if (key == QLatin1String("name"))
                entry.title = unescape(p.captured(2));
            else if (key == QLatin1String("local"))
                entry.page = pageName(unescape(p.captured(2)));
        }
        if (!entry.title.isEmpty() && !entry.page.isEmpty())
            entries.append(entry);
    }
    return entries;
}

// chmlib trusts the LZX control data of the compressed section and crashes on a window it cannot
// use, setting its decoder up from it while it opens the file. The control data lies in the plain
// section, so it is checked in the file's bytes first: each block is a count, "LZXC", the version,
// the reset interval and the window. Version 2 counts the window in 32 KB units; the decoder takes
// windows of 2^15 to 2^21 bytes, powers of two.
bool usableControlBlocks(const QByteArray& file) {
    for (qsizetype at = file.indexOf("LZXC", 4); at > 0 && at + 20 <= file.size();
         at = file.indexOf("LZXC", at + 1)) {
        const quint32 version = qFromLittleEndian<quint32>(file.constData() + at + 4);
        quint32 window = qFromLittleEndian<quint32>(file.constData() + at + 12);
        if (version != 1 && version != 2)
            continue;  // the same letters elsewhere, or a block chmlib turns the decoder off for
        if (version == 2)
            window *= 0x8000u;
        if (window < (1u << 15) || window > (1u << 21) || (window & (window - 1)) != 0)
            return false;
    }
    return true;
}

// chmlib reads its own control objects while opening and trusts their directory entries; one that
// a damaged byte moves into the compressed section makes it divide by zero. Those objects always
// lie in the plain section 0: each directory entry is a one-byte name length, the name, and the
// section number, which must be 0 here.
bool controlEntriesArePlain(const QByteArray& file) {
    const QByteArray prefix = "::DataSpace/";
    for (qsizetype at = file.indexOf(prefix, 1); at > 0; at = file.indexOf(prefix, at + 1)) {
        const auto length = static_cast<unsigned char>(file.at(at - 1));
        if (length <= prefix.size() || length >= 0x80 || at + length >= file.size())
            continue;  // not a directory entry, just the same letters elsewhere
        if (file.at(at + length) != 0)
            return false;
    }
    return true;
}

}  // namespace

void HelpFile::Closer::operator()(chmFile* file) const {
    chm_close(file);
}

HelpFile::HelpFile() = default;
HelpFile::~HelpFile() = default;

bool HelpFile::open(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return fail(QCoreApplication::translate("HelpFile", "The file is missing."));
    if (info.size() == 0)
        return fail(QCoreApplication::translate("HelpFile", "The file is empty."));
    if (info.size() > kLargestFile)
        return fail(
            QCoreApplication::translate("HelpFile", "The file is far too large to be the game's help."));
    QFile raw(path);
    if (!raw.open(QIODevice::ReadOnly))
        return fail(raw.errorString());
    const QByteArray bytes = raw.readAll();
    if (!controlEntriesArePlain(bytes) || !usableControlBlocks(bytes))
        return fail(QCoreApplication::translate("HelpFile", "It is damaged."));
    file_.reset(chm_open(QFile::encodeName(path).constData()));
    if (!file_)
        return fail(QCoreApplication::translate("HelpFile", "It is not a compiled help file."));
    Listing listing;
    chm_enumerate(file_.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, listObject, &listing);
    pages_ = listing.pages;
    pages_.sort();
    if (!readContents(listing.sitemap))
        return fail(QCoreApplication::translate("HelpFile", "Its table of contents cannot be read."));
    defaultPage_ = pageName(systemTopic(2));
    if (defaultPage_.isEmpty())
        defaultPage_ = contents_.first().page;
    const std::optional<QByteArray> start = read(defaultPage_);
    if (!start || start->isEmpty())
        return fail(QCoreApplication::translate("HelpFile", "Its first page cannot be read."));
    return true;
}

bool HelpFile::fail(const QString& why) {
    file_.reset();
    pages_.clear();
    contents_.clear();
    defaultPage_.clear();
    error_ = why;
    return false;
}

std::optional<QByteArray> HelpFile::read(const QString& name) const {
    if (!file_ || name.isEmpty())
        return std::nullopt;
    // Pages live under the root; the internal objects ("::DataSpace/...") have names of their own.
    const bool rooted = name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char(':'));
    const QByteArray path = (rooted ? name : QLatin1Char('/') + name).toUtf8();
    chmUnitInfo unit{};
    if (chm_resolve_object(file_.get(), path.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    // A page larger than the whole file can only come from a damaged directory.
    if (unit.length > static_cast<LONGUINT64>(kLargestFile))
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got =
        chm_retrieve_object(file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    return bytes;
}

// #SYSTEM is a version word followed by records of a 16-bit code, a 16-bit length and the data;
// code 0 names the contents file and code 2 the default topic.
QString HelpFile::systemTopic(int code) const {
    const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return {};
    const auto word = [&](qsizetype at) { return int{qFromLittleEndian<quint16>(system->constData() + at)}; };
    for (qsizetype at = 4; at + 4 <= system->size();) {
        const int recordCode = word(at);
        const int length = word(at + 2);
        at += 4;
        if (at + length > system->size())
            break;
        if (recordCode == code)
            return QString::fromUtf8(system->mid(at, length).constData());  // the text ends at its NUL
        at += length;
    }
    return {};
}

bool HelpFile::readContents(const QString& listedSitemap) {
    QString name = systemTopic(0);
    if (name.isEmpty())
        name = listedSitemap;
    const std::optional<QByteArray> sitemap = read(name);
    if (!sitemap)
        return false;
    contents_ = parseSitemap(QString::fromUtf8(*sitemap));
    return !contents_.isEmpty();
}
