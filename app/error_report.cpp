#include "app/error_report.h"

#include <QApplication>
#include <QMessageBox>

#include "app/application_title.h"

QString ErrorBoxText(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

void ShowErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    ErrorBoxText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// Error texts carry file paths and the system's messages, both UTF-8 here.
void ShowErrorBox(const std::exception& error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
}
