// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: the plainest Qt window of the same size, a menu bar
// over a 754 x 452 client that paints itself one colour, or that size at the zoom in percent
// given as its argument. Its first frame is complete when that colour shows; the start-up
// script looks for it at the same place as the game's deck.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

class PlainClient : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xC0, 0x00, 0x00));
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    // The game's menu titles, so the menu bar is as tall and the window as large.
    for (const char* title : {"&Game", "&Skill Level", "&Options", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    auto* client = new PlainClient(&window);
    const int percent = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
    client->setFixedSize((754 * percent + 50) / 100, (452 * percent + 50) / 100);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
