#include "page_value.h"
#include "engine_wait.h"

#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

QString pageValue(QWebEngineView* view, const QString& script) {
    struct Answer {
        bool done = false;
        QString text;
    };
    auto answer = std::make_shared<Answer>();
    view->page()->runJavaScript(script, [answer](const QVariant& value) {
        answer->text = value.isNull() ? QString() : value.toString();
        answer->done = true;
    });
    if (!waitForEngine([answer] { return answer->done; }, 60000)) {
        return QStringLiteral("(no answer from the page)");
    }
    return answer->text;
}
