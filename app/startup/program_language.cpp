#include "app/startup/program_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace {

Language& chosenLanguage() {
    static Language language = Language::English;
    return language;
}

}  // namespace

Language programLanguage() {
    return chosenLanguage();
}

void setProgramLanguage(Language language) {
    chosenLanguage() = language;
}

Language languageAtStart(int argc, const char* const* argv) {
    std::optional<std::string_view> option;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0) {
            if (i + 1 >= argc) {
                throw std::invalid_argument("--lang needs a language (en or es)");
            }
            option = argv[++i];
        }
    }
    return chooseLanguage(option, [](const char* name) { return std::getenv(name); });
}

bool installTranslations(QCoreApplication& application, Language language) {
    if (language != Language::Spanish) {
        return true;
    }
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* own = new QTranslator(&application);
    const bool ownLoaded = own->load(QStringLiteral(":/i18n/quorvel_es.qm"));
    if (ownLoaded) {
        QCoreApplication::installTranslator(own);
    } else {
        delete own;
    }
    // Qt's own buttons and standard dialogs ("Aceptar", the file dialog); absent on a system
    // without Qt's translations, where they stay English.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    return ownLoaded;
}
