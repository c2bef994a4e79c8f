#include "app/error_report.h"

#include <QApplication>
#include <QMessageBox>

#include "app/application_title.h"

QString errorBoxText(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

void showErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    errorBoxText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// Error texts carry file paths and the system's messages, both UTF-8 here.
void showErrorBox(const std::exception& error) {
    showErrorBox(QString::fromUtf8(error.what()));
}
