#include "web_harness.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineView>

#include <memory>

#include "../gui_support/engine_wait.h"
#include "reports/chart_words.h"

namespace {
constexpr int kTimeoutMs = 30000;
}

void RequestRecorder::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QString scheme = info.requestUrl().scheme();
    if (scheme != QLatin1String("file") && scheme != QLatin1String("data") &&
        scheme != QLatin1String("about") && scheme != QLatin1String("qrc")) {
        nonLocal << info.requestUrl().toString();
        info.block(true);
    }
}

void ConsolePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int line,
                                           const QString& source) {
    if (level == ErrorMessageLevel) {
        errors << QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message);
    }
}

WebHarness::WebHarness(int width, int height)
    : recorder_(std::make_unique<RequestRecorder>()),
      profile_(std::make_unique<QWebEngineProfile>()) {
    profile_->setUrlRequestInterceptor(recorder_.get());
    view_ = std::make_unique<QWebEngineView>();
    page_ = new ConsolePage(profile_.get(), view_.get());
    page_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    view_->setPage(page_);
    view_->resize(width, height);
    view_->show();
    setChartWords(Language::English);
}

void WebHarness::setChartWords(Language language) {
    QWebEngineScriptCollection& scripts = page_->scripts();
    scripts.clear();
    QWebEngineScript words;
    // Windows-1252 text; its Spanish letters are the same in Latin-1.
    words.setSourceCode(QString::fromLatin1(chartWordsScript(language).c_str()));
    words.setInjectionPoint(QWebEngineScript::DocumentCreation);
    words.setWorldId(QWebEngineScript::MainWorld);
    scripts.insert(words);
}

WebHarness::~WebHarness() {
    // The page must go before its profile.
    view_.reset();
    profile_.reset();
}

QString WebHarness::assetFolder() {
    return QStringLiteral(QUORVEL_BIN_DIR "/");
}

QUrl WebHarness::assetFolderUrl() {
    return QUrl::fromLocalFile(assetFolder());
}

bool WebHarness::loadHtml(const QString& html) {
    QSignalSpy finished(page_, &QWebEnginePage::loadFinished);
    page_->setHtml(html, assetFolderUrl());
    if (!finished.wait(kTimeoutMs)) {
        return false;
    }
    return finished.first().first().toBool();
}

bool WebHarness::loadUrl(const QUrl& url) {
    QSignalSpy finished(page_, &QWebEnginePage::loadFinished);
    page_->load(url);
    if (!finished.wait(kTimeoutMs)) {
        return false;
    }
    return finished.first().first().toBool();
}

bool WebHarness::runScripts(const QStringList& sources) {
    // Shared with the callbacks: an answer that comes after the time-out finds it still alive.
    auto done = std::make_shared<int>(0);
    for (const QString& source : sources) {
        page_->runJavaScript(source, [done](const QVariant&) { ++*done; });
    }
    const int expected = static_cast<int>(sources.size());
    return waitForEngine([done, expected] { return *done == expected; }, kTimeoutMs);
}

bool WebHarness::runFiles(const QStringList& names) {
    QStringList sources;
    for (const QString& name : names) {
        QFile file(assetFolder() + name);
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        // The program converts the bytes from Windows-1252; for ASCII that is Latin-1.
        sources << QString::fromLatin1(file.readAll());
    }
    return runScripts(sources);
}

QJsonValue WebHarness::eval(const QString& expression) {
    struct Answer {
        bool done = false;
        QString json;
    };
    auto answer = std::make_shared<Answer>();
    page_->runJavaScript(
        QStringLiteral("JSON.stringify({v: (function () { return (%1); })()})").arg(expression),
        [answer](const QVariant& result) {
            answer->json = result.toString();
            answer->done = true;
        });
    if (!waitForEngine([answer] { return answer->done; }, kTimeoutMs)) {
        return QJsonValue(QJsonValue::Undefined);
    }
    return QJsonDocument::fromJson(answer->json.toUtf8()).object().value(QStringLiteral("v"));
}

QStringList WebHarness::errorsSoFar() {
    static int marks = 0;
    const QString mark = QStringLiteral("quorvel-harness-mark-%1").arg(++marks);
    page_->runJavaScript(QStringLiteral("console.error('%1')").arg(mark));
    ConsolePage* page = page_;
    const bool came =
        waitForEngine([page, mark] { return !page->errors.filter(mark).isEmpty(); }, kTimeoutMs);
    page_->errors.removeIf([&mark](const QString& error) { return error.contains(mark); });
    QStringList errors = page_->errors;
    if (!came) {
        errors << QStringLiteral("(the console did not answer)");
    }
    return errors;
}

QStringList WebHarness::reportSequence() {
    return {QStringLiteral("jq.dat"), QStringLiteral("enh.dat"), QStringLiteral("exc.dat"),
            QStringLiteral("vis.dat"), QStringLiteral("exa.dat")};
}

QStringList WebHarness::comparisonSequence() {
    return {QStringLiteral("jq.dat"), QStringLiteral("enh.dat"), QStringLiteral("exc.dat"),
            QStringLiteral("vis.dat"), QStringLiteral("exacomp.dat")};
}
