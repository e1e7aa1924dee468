// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_opener.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <memory>
#include <optional>

#include "help/help_file.h"
#include "help/help_window.h"
#include "names.h"

namespace {

void showHelpError(QWidget* parent, const QString& path, const QString& why) {
    QMessageBox box(
        QMessageBox::Warning, programName(),
        HelpOpener::tr("The help file \"%1\" could not be opened.").arg(QDir::toNativeSeparators(path)),
        QMessageBox::Ok, parent);
    box.setInformativeText(why);
    box.exec();
}

}  // namespace

// The data folder is found from the program's own folder, so an installation moved or made under
// any prefix (a package, a home folder, a test's temporary folder) still finds its help.
QString locateHelpFile(const QString& programDir, const QString& language) {
    const QString name = language.isEmpty() ? QStringLiteral("ZanfelHelp.chm")
                                            : QStringLiteral("ZanfelHelp_%1.chm").arg(language);
    const QDir dir(programDir);
    const QString beside = dir.filePath(name);
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral(ZANFEL_DATA_DIR_FROM_PROGRAM) + QLatin1Char('/') + name));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
    return beside;
}

QStringList locateHelpFiles(const QString& language) {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList files{locateHelpFile(programDir)};
    if (!language.isEmpty())
        files.prepend(locateHelpFile(programDir, language));
    return files;
}

HelpOpener::HelpOpener(QWidget* mainWindow, std::function<QStringList()> helpFiles)
    : QObject(mainWindow), mainWindow_(mainWindow), helpFiles_(std::move(helpFiles)) {
    qApp->installEventFilter(this);
}

HelpOpener::~HelpOpener() = default;

HelpWindow* HelpOpener::window() const {
    return window_;
}

// F1 reaches whichever window has the keyboard: the table, the score sheet or any dialog.
bool HelpOpener::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            openHelp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void HelpOpener::openHelp() {
    if (!window_ && !createWindow())
        return;
    showOverModalWindow();
    window_->showDefaultPage();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// A help in the player's language that is missing or damaged gives way to the English one.
bool HelpOpener::createWindow() {
    std::optional<std::pair<QString, QString>> problem;  // the file to tell of, and why
    for (const QString& path : helpFiles_()) {
        auto file = std::make_unique<HelpFile>();
        if (file->open(path)) {
            window_ = new HelpWindow(std::move(file), mainWindow_);
            return true;
        }
        if (!problem || !QFileInfo::exists(problem->first))
            problem = {path, file->error()};
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (problem)
        showHelpError(modal ? modal : mainWindow_, problem->first, problem->second);
    return false;
}

// A modal window (the score sheet, a question) blocks every window shown before it, so the help
// opened from one is made modal itself to stay usable, and is shown freely again otherwise.
void HelpOpener::showOverModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == window_)
        return;
    const Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() == wanted)
        return;
    window_->hide();
    window_->setWindowModality(wanted);
}
