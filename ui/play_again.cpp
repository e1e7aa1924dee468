#include "play_again.h"

#include <QMessageBox>
#include <QString>

zanfel::Answer askPlayAgain(QWidget* parent, const QString& question) {
    // The game ends its lines with CR LF; a lone LF is what Qt lays out as a line break.
    QString text = question;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).remove(QLatin1Char('\r'));

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zanfel"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? zanfel::Answer::Ok : zanfel::Answer::Cancel;
}
