// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "language.h"
#include "main_window.h"
#include "names.h"
#include "network/network_play.h"
#include "table/pictures.h"

namespace {

// Qt takes "--name" as the X resource name of its windows and removes it from the arguments;
// here it is the player's name, so Qt never sees it.
std::vector<char*> withoutPlayerName(int argc, char* argv[]) {
    std::vector<char*> kept;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if ((argument == "--name" || argument == "-name") && i + 1 < argc)
            ++i;
        else if (!argument.starts_with("--name=") && !argument.starts_with("-name="))
            kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    std::vector<char*> qtArguments = withoutPlayerName(argc, argv);
    int qtCount = static_cast<int>(qtArguments.size()) - 1;
    QApplication app(qtCount, qtArguments.data());
    QApplication::setApplicationName(programName());
    // One icon for every window of the game: the table, the score sheet, the about window.
    QApplication::setWindowIcon(QIcon(iconPicture()));
    // Before any word is put together, the command line's included.
    const QString language = chooseLanguage(QLocale::system().uiLanguages());
    installLanguage(app, language);

    const CommandLine line = readCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(line.error), qPrintable(line.usage));
        return 2;
    }

    MainWindow window;
    window.show();
    // The table goes up before the rest of the start-up runs.
    QApplication::processEvents();
    window.startUp(language);
    // An unusable saved colour ends the program before the event loop has started.
    if (window.ended())
        return 0;
    if (line.network == CommandLine::Network::Host)
        window.network().host(line.port, line.name);
    else if (line.network == CommandLine::Network::Join)
        window.network().join(line.address, line.port, line.name);
    return app.exec();
}
