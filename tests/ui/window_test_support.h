#pragma once

// What the window tests share: a scripted shuffle, a private settings folder, a window that
// has started up, and a way to answer modal windows from inside their own loops.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "main_window.h"
#include "random_source.h"

namespace testing_support {

// Every draw lands on place 1, so each deck comes out in order 1..52: work piles 1..4, the
// personal pile 5..17 with 5 on top, the stock 18..52 with 18 face up.
class FirstPlaceRandom final : public zanfel::RandomSource {
public:
    float reseedAndDraw() override { return 0.0f; }
};

// The per-user settings of the test run live in a folder of their own.
class PrivateSettings {
public:
    PrivateSettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path()); }
    bool ok() const { return folder_.isValid(); }
    static void setSavedColour(const QString& text) { store().setValue(kKey, text); }
    static void removeSavedColour() { store().remove(kKey); }

private:
    static inline const QString kKey = QStringLiteral("Colors/BackgroundColor");
    static QSettings store() {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zanfel"),
                         QStringLiteral("Settings"));
    }
    QTemporaryDir folder_;
};

inline std::unique_ptr<Form1> startedWindow(zanfel::RandomSource& random) {
    auto window = std::make_unique<Form1>(&random);
    window->show();
    window->startUp();
    return window;
}

// Hands every modal window that comes up while it lives to `answer`, which must close it.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget())
                answer_(modal);
        });
        poll_.start(5);
    }

private:
    std::function<void(QWidget*)> answer_;
    QTimer poll_;
};

// What a message box said, noted as it was answered.
struct MessageBoxSeen {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;

    void answer(QMessageBox* box, QMessageBox::StandardButton button) {
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        parent = box->parentWidget();
        box->button(button)->click();
    }
};

// Ending the program asks every event loop to quit, and Qt keeps that request until the next
// QApplication::exec(); a short exec() clears it so the next test's dialogs run again.
inline void clearQuitRequest() {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

}  // namespace testing_support
