#include "app/main_window/keyboard_tool_button.h"

#include <QKeyEvent>

KeyboardToolButton::KeyboardToolButton(QWidget* parent) : QToolButton(parent) {
    // A button in a tool bar is left out of the focus chain unless it asks to be in it.
    setFocusPolicy(Qt::TabFocus);
}

void KeyboardToolButton::keyPressEvent(QKeyEvent* event) {
    // Space is the button's own key already; Enter and Return press it too, as they press a push
    // button that has the focus.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}
