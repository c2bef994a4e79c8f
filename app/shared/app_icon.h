#pragma once

#include <QIcon>

// The strawberry, in every size the program carries; shown by both windows and the task bar.
QIcon applicationIcon();
