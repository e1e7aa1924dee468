#pragma once

#include <QDialog>
#include <QPixmap>

#include "table_view.h"

class QPaintEvent;
class QPushButton;
class QString;
class QWidget;

// The small picture window (Form5) that says who went out at the end of a hand. Its owner
// creates it once and sets the caption and the picture before every showing.
class AnnouncementWindow : public QDialog {
public:
    explicit AnnouncementWindow(QWidget* parent = nullptr);

    void setAnnouncement(const QString& caption, zanfel::Picture picture);
    // The picture as drawn for the ratio the window is on now.
    QPixmap picture() const;

    // The close box and Escape do what OK does: they only hide the window.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    zanfel::Picture picture_ = zanfel::Picture::Youout;
    QPushButton* cmdOK_ = nullptr;
};
