// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// A settings file we cannot write costs only the saving: play goes on, and the player hears of
// it once a run rather than at every write.
class SaveFailureNotice {
public:
    using Tell = void (*)(QWidget* parent);
    explicit SaveFailureNotice(Tell tell) : tell_(tell) {}

    void afterWrite(bool written, QWidget* parent) {
        if (written || told_)
            return;
        told_ = true;
        tell_(parent);
    }

private:
    Tell tell_;
    bool told_ = false;
};
