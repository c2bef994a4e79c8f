#pragma once

#include <QString>
#include <exception>
#include <utility>

// The application's default error handling: the text of an error that no handler caught, shown in
// an error message box titled with the application's title. The program goes on afterwards.

// The text as the box shows it: a final period is added when the text lacks one.
QString errorBoxText(const QString& text);

// Shows the box modally and returns when the user has dismissed it.
void showErrorBox(const QString& text);
void showErrorBox(const std::exception& error);

// Wraps a handler so that an error escaping it is shown as above instead of unwinding through
// Qt's event dispatch (which does not support exceptions).
template <typename Handler>
auto guarded(Handler handler) {
    return [handler = std::move(handler)]() mutable {
        try {
            handler();
        } catch (const std::exception& error) {
            showErrorBox(error);
        }
    };
}
