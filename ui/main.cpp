// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>

#include "main_window.h"
#include "names.h"
#include "table/pictures.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName());
    // One icon for every window of the game: the table, the score sheet, the about window.
    QApplication::setWindowIcon(QIcon(iconPicture()));

    MainWindow window;
    window.show();
    // The table goes up before the rest of the start-up runs.
    QApplication::processEvents();
    window.startUp();
    // An unusable saved colour ends the program before the event loop has started.
    if (window.ended())
        return 0;
    return app.exec();
}
