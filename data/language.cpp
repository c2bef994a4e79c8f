#include "data/language.h"

#include <stdexcept>
#include <string>

Language languageOfLocale(std::string_view locale) {
    if (locale.substr(0, 2) != "es") {
        return Language::English;
    }
    // "es" must be the whole language code: "es_ES", "es.UTF-8", "es@euro", "es:en", but not "est".
    const bool whole = locale.size() == 2 || locale[2] == '_' || locale[2] == '.' ||
                       locale[2] == '@' || locale[2] == ':';
    return whole ? Language::Spanish : Language::English;
}

Language languageFromEnvironment(const EnvironmentLookup& lookup) {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = lookup(variable);
        if (value != nullptr && *value != '\0') {
            return languageOfLocale(value);
        }
    }
    return Language::English;
}

std::optional<Language> languageOption(std::string_view value) {
    if (value == "en") {
        return Language::English;
    }
    if (value == "es") {
        return Language::Spanish;
    }
    return std::nullopt;
}

Language chooseLanguage(const std::optional<std::string_view>& option,
                        const EnvironmentLookup& lookup) {
    if (!option) {
        return languageFromEnvironment(lookup);
    }
    if (const auto language = languageOption(*option)) {
        return *language;
    }
    throw std::invalid_argument("Unknown language \"" + std::string(*option) +
                                "\" for --lang (en or es)");
}
