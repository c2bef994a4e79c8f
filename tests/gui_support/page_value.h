#pragma once

#include <QString>

class QWebEngineView;

// Runs a script in the page and returns its result as text ("" when it gave nothing).
QString PageValue(QWebEngineView* view, const QString& script);
