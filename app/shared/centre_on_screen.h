#pragma once

class QWidget;

// Places a window at the centre of the desktop (the available area of its screen), whatever
// window is active: both windows open there.
void centreOnScreen(QWidget& window);
