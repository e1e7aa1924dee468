// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class HelpWindow;
class QWidget;

// Where the help file in `language` is ("ZanfelHelp_de.chm"; empty for the English
// "ZanfelHelp.chm"): beside the program first, as in the build tree, else in the data folder the
// installation put it in, found from the program's folder. When it is in neither, the place beside
// the program.
QString locateHelpFile(const QString& programDir, const QString& language = {});
// The help files to try in turn for the program running: the one in `language`, then English.
QStringList locateHelpFiles(const QString& language);

// Opens the help at its default page on the Help Topics command and on F1 in any window of the
// game. The file is read only when the player first asks for help, so start-up never waits for it.
class HelpOpener : public QObject {
    Q_OBJECT
public:
    // The first of `helpFiles` that opens is shown; when none does, the player hears why the
    // first that is there could not be opened, or that the last is missing.
    HelpOpener(QWidget* mainWindow, std::function<QStringList()> helpFiles);
    ~HelpOpener() override;

    void openHelp();
    HelpWindow* window() const;  // none until the help was first opened

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool createWindow();
    void showOverModalWindow();

    QWidget* mainWindow_;
    std::function<QStringList()> helpFiles_;
    QPointer<HelpWindow> window_;
};
