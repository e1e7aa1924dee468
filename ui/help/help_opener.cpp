// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_opener.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <memory>

#include "help/help_file.h"
#include "help/help_window.h"
#include "names.h"

namespace {

const QString kHelpFileName = QStringLiteral("ZanfelHelp.chm");

void showHelpError(QWidget* parent, const QString& path, const QString& why) {
    QMessageBox box(
        QMessageBox::Warning, programName(),
        HelpOpener::tr("The help file \"%1\" could not be opened.").arg(QDir::toNativeSeparators(path)),
        QMessageBox::Ok, parent);
    box.setInformativeText(why);
    box.exec();
}

}  // namespace

QString locateHelpFile() {
    return locateHelpFile(QCoreApplication::applicationDirPath());
}

// The data folder is found from the program's own folder, so an installation moved or made under
// any prefix (a package, a home folder, a test's temporary folder) still finds its help.
QString locateHelpFile(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(kHelpFileName);
    const QString installed = QDir::cleanPath(
        dir.filePath(QStringLiteral(ZANFEL_DATA_DIR_FROM_PROGRAM) + QLatin1Char('/') + kHelpFileName));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
    return beside;
}

HelpOpener::HelpOpener(QWidget* mainWindow, std::function<QString()> helpFile)
    : QObject(mainWindow), mainWindow_(mainWindow), helpFile_(std::move(helpFile)) {
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

bool HelpOpener::createWindow() {
    const QString path = helpFile_();
    auto file = std::make_unique<HelpFile>();
    if (!file->open(path)) {
        QWidget* modal = QApplication::activeModalWidget();
        showHelpError(modal ? modal : mainWindow_, path, file->error());
        return false;
    }
    window_ = new HelpWindow(std::move(file), mainWindow_);
    return true;
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
