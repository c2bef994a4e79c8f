#pragma once

#include <QString>

class QWebEngineView;

// Runs a script in the page and returns its result as text ("" when it gave nothing).
QString pageValue(QWebEngineView* view, const QString& script);
