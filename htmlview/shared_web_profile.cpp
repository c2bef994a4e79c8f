#include "shared_web_profile.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include "request_filter.h"

std::shared_ptr<SharedWebProfile> SharedWebProfile::acquire() {
    static std::weak_ptr<SharedWebProfile> current;
    auto shared = current.lock();
    if (!shared) {
        shared.reset(new SharedWebProfile);
        current = shared;
    }
    return shared;
}

SharedWebProfile::SharedWebProfile()
    : filter_(std::make_unique<RequestFilter>()), profile_(std::make_unique<QWebEngineProfile>()) {
    // The pages are files on this machine: a cache would only hold copies of them.
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile_->setUrlRequestInterceptor(filter_.get());
    // A page that asks for a font this machine lacks falls back to the standard font: make that the
    // desktop's own sans-serif face rather than the engine's serif default.
    const QString desktopFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    profile_->settings()->setFontFamily(QWebEngineSettings::StandardFont, desktopFont);
    profile_->settings()->setFontFamily(QWebEngineSettings::SansSerifFont, desktopFont);
    collection_.setSingleShot(true);
    collection_.setInterval(1000);
    QObject::connect(&collection_, &QTimer::timeout, [this] {
        // The engine's set-up offers the collection (web_engine_setup.cpp) unless the user gave
        // the JavaScript engine flags of their own; its answer is of no interest.
        if (lastPage_)
            lastPage_->runJavaScript(
                QStringLiteral("typeof quorvelCollectGarbage === 'function' && "
                               "void quorvelCollectGarbage()"),
                QWebEngineScript::MainWorld);
    });
}

void SharedWebProfile::collectGarbageSoon(QWebEnginePage* lastPage) {
    // The pages replaced and the objects their scripts left stay in the process until its heap
    // grows or many seconds pass (tens of MiB after a few fruits); collected between the user's
    // clicks, the collection never delays a page.
    lastPage_ = lastPage;
    collection_.start();
}

SharedWebProfile::~SharedWebProfile() {
    profile_->setUrlRequestInterceptor(nullptr);
}

QUrl SharedWebProfile::writePageFile(const QByteArray& utf8) {
    if (!pageFolder_) {
        auto folder = std::make_unique<QTemporaryDir>();
        if (!folder->isValid())
            return {};
        pageFolder_ = std::move(folder);
        filter_->setPageFolder(pageFolder_->path() + QLatin1Char('/'));
    }
    const QString path = pageFolder_->filePath(QStringLiteral("page-%1.html").arg(++pagesWritten_));
    QFile file(path);
    // The byte-order mark tells the engine the text is UTF-8, as the type does for smaller pages.
    const bool written = file.open(QIODevice::WriteOnly) && file.write("\xEF\xBB\xBF", 3) == 3 &&
                         file.write(utf8) == utf8.size() && file.flush();
    file.close();
    if (!written) {
        QFile::remove(path);
        return {};
    }
    return QUrl::fromLocalFile(path);
}
