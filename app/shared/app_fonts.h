#pragma once

#include <QFont>

// Tahoma at a size in pixels, as the windows were laid out with; where Tahoma is missing the
// nearest sans-serif face of similar width stands in.
QFont tahomaFont(int pixelSize, bool bold = false);
