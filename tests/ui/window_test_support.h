// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "language.h"
#include "layers/table_layers.h"
#include "main_window.h"
#include "recording_sound_player.h"
#include "scripted_random.h"
#include "table/card_image.h"
#include "table_setup.h"

namespace testing_support {

using namespace zanfel::testing;

template <typename T = QWidget>
T* child(const QObject* parent, const QString& name) {
    if (T* found = parent->findChild<T*>(name))
        return found;
    qFatal("no child named %s", qPrintable(name));
}

// A failing comparison prints its title and text.
struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString informativeText = {};
    bool operator==(const ShownBox&) const = default;
};
inline char* toString(const ShownBox& box) {
    return QTest::toString(box.title + " | " + box.text);
}
inline ShownBox shown(const QMessageBox* box) {
    return {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->informativeText()};
}

// Hands every modal window that comes up while it lives to `answer`, which must close it.
struct ModalAnswerer : QTimer {
    explicit ModalAnswerer(std::function<void(QWidget*)> answer) {
        connect(this, &QTimer::timeout, [answer] {
            if (QWidget* modal = QApplication::activeModalWidget())
                answer(modal);
        });
        start(5);
    }
};

// Each closed; other modal windows go to `other`.
inline QList<ShownBox> boxesDuring(
    const std::function<void()>& act,
    std::function<void(QWidget*)> other = [](QWidget* modal) { modal->close(); }) {
    QList<ShownBox> boxes;
    const ModalAnswerer answerer([&boxes, other](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes << shown(box);
            box->close();
        } else {
            other(modal);
        }
    });
    act();
    return boxes;
}

inline QSettings savedSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings");
}

// Qt keeps the quit request of an ended program until the next exec(); a short one clears it.
inline void clearQuitRequest() {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

// The run's language, from ctest: "de", "fr"; empty for English.
inline const QString kTestLanguage = qEnvironmentVariable("ZANFEL_TEST_LANGUAGE");

const QPoint kGrip(28, 36);  // where the mouse takes a card, near its top left corner

// The per-user settings in a folder of their own, and back in it after a test that moved them.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startWindow(); }
    void cleanup() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        window_.reset();
        clearQuitRequest();
    }

protected:
    // Qt's own settings too, which would land in the real home if the game let them be written.
    WindowTest() {
        for (const auto format : {QSettings::IniFormat, QSettings::NativeFormat})
            QSettings::setPath(format, QSettings::UserScope, settingsFolder_.path());
        installLanguage(*qApp, kTestLanguage);
    }

    QTemporaryDir settingsFolder_;
    FirstPlaceRandom random_;
    RecordingSoundPlayer sounds_;
    std::unique_ptr<MainWindow> window_;

    // Each window is heard afresh.
    void startWindow() {
        window_.reset();
        sounds_ = {};
        window_ = std::make_unique<MainWindow>(&random_, &sounds_);
        window_->show();
        window_->startUp();
    }
    template <typename T = QWidget>
    T* find(const QString& name) {
        return child<T>(window_.get(), name);
    }
    QAction* action(const QString& name) { return find<QAction>(name); }
    void trigger(const QString& name) { action(name)->trigger(); }
    QTimer* timer() { return find<QTimer>("PlayerTimer"); }
    const TableLayers& layers() { return *window_->findChild<TableLayers*>(); }
    zanfel::CardNumber card(const QString& image) { return find<CardImage>(image)->card(); }
    void clickDeck(Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(find("Deck"), button); }
    void keys(const char* typed) { QTest::keyClicks(window_.get(), typed); }
    // Keys reach the active window only.
    void focus(QWidget* window = nullptr) {
        window = window ? window : window_.get();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // Sent as the window system sends it: to the window.
    void mouse(QTest::MouseAction act, const QString& place, QPoint at = kGrip) {
        QTest::mouseEvent(act, window_->windowHandle(), Qt::LeftButton, {},
                          find(place)->mapTo(window_.get(), at));
    }
    // The top card of the human's pile `slot`, carried over the table.
    void drag(int slot, const QString& target, const char* typedWhileHeld = "") {
        mouse(QTest::MousePress, QStringLiteral("Stack%1").arg(slot));
        mouse(QTest::MouseMove, target, kGrip + QPoint(0, 12));
        mouse(QTest::MouseMove, target);
        keys(typedWhileHeld);
        mouse(QTest::MouseRelease, target);
    }
    void doubleClick(const QString& place) { mouse(QTest::MouseDClick, place, find(place)->rect().center()); }
    // The human's pile, or the computer player's at `base`.
    void lay(int slot, std::initializer_list<zanfel::CardNumber> topFirst, int base = -1) {
        zanfel::Table& table = window_->game().tableForSetUp();
        setPile(base < 0 ? table.lstStack[slot] : table.lstPlayer[base + slot], topFirst);
    }
};

}  // namespace testing_support
