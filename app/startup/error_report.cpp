#include "app/startup/error_report.h"

#include <QApplication>
#include <QMessageBox>

#include "app/shared/application_title.h"
#include "app/startup/program_language.h"
#include "data/error_text.h"

QString errorBoxText(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

void showErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    errorBoxText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// Error texts carry file paths and the system's messages, both UTF-8 here; the program's errors
// come in its language.
void showErrorBox(const std::exception& error) {
    showErrorBox(QString::fromStdString(errorText(error, programLanguage())));
}
