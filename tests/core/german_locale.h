// The German locale (decimal comma) in force for the C library and Qt while it lives; the locale
// before it comes back at the end, also when a check in between fails.
#pragma once

#include <QLocale>

#include <clocale>
#include <string>

// Why a locale test fails on a machine without the locale.
constexpr const char* kNoGermanLocale =
    "de_DE.UTF-8 is not installed: QUORVEL_TEST_DEPS=1 bash scripts/install-deps.sh installs it";

struct GermanLocale {
    GermanLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        saved = previous ? previous : "C";
        installed = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale() {
        std::setlocale(LC_ALL, saved.c_str());
        QLocale::setDefault(QLocale::c());
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    std::string saved;
    bool installed = false;
};
