#pragma once

#include <QDialog>
#include <QPixmap>

class QPaintEvent;
class QPushButton;
class QString;
class QWidget;

// The small picture window (Form5) that says who went out at the end of a hand. Its owner
// creates it once and sets the caption and the picture before every showing.
class AnnouncementWindow : public QDialog {
public:
    explicit AnnouncementWindow(QWidget* parent = nullptr);

    void setAnnouncement(const QString& caption, const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // The close box and Escape do what OK does: they only hide the window.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPushButton* cmdOK_ = nullptr;
};
