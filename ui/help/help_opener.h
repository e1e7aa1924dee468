// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class HelpWindow;
class QWidget;

// Where the help file is: beside the program first, as in the build tree, else in the data folder
// the installation put it in, found from the program's folder. When it is in neither, the place
// beside the program.
QString locateHelpFile();
QString locateHelpFile(const QString& programDir);

// Opens the help at its default page on the Help Topics command and on F1 in any window of the
// game. The file is read only when the player first asks for help, so start-up never waits for it.
class HelpOpener : public QObject {
    Q_OBJECT
public:
    HelpOpener(QWidget* mainWindow, std::function<QString()> helpFile);
    ~HelpOpener() override;

    void openHelp();
    HelpWindow* window() const;  // none until the help was first opened

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool createWindow();
    void showOverModalWindow();

    QWidget* mainWindow_;
    std::function<QString()> helpFile_;
    QPointer<HelpWindow> window_;
};
