#include "view_test_support.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <memory>

QVariant eval(HtmlView& view, const QString& expression) {
    struct Answer {
        bool done = false;
        QVariant value;
    };
    auto answer = std::make_shared<Answer>();
    view.page()->runJavaScript(expression, [answer](const QVariant& v) {
        answer->value = v;
        answer->done = true;
    });
    if (!waitForEngine([&] { return answer->done; }, kWaitMs))
        return QStringLiteral("<no answer>");
    return answer->value;
}

bool loadAndWait(HtmlView& view, const std::vector<std::string>& lines) {
    QSignalSpy complete(&view, &HtmlView::documentComplete);
    return view.loadHtmlLines(lines) == 0 && complete.wait(kWaitMs);
}
