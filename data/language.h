#pragma once

#include <functional>
#include <optional>
#include <string_view>

// The language the program speaks, chosen once at start: the English program, or the Spanish one
// with the Spanish fruit table, Spanish pages and decimal commas.
enum class Language { English, Spanish };

// The value of an environment variable, or nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The language of a locale text: Spanish for "es" alone or followed by a territory, code set or
// modifier ("es_ES.UTF-8", "es@euro", "es:en"); English for anything else.
Language languageOfLocale(std::string_view locale);

// The desktop's language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not
// empty decides; English when none is.
Language languageFromEnvironment(const EnvironmentLookup& lookup);

// The value of a "--lang" option: "en" or "es"; nothing for any other text.
std::optional<Language> languageOption(std::string_view value);

// The program's language: the "--lang" value when there is one, otherwise the desktop's.
// Throws std::invalid_argument for a "--lang" value other than "en" or "es".
Language chooseLanguage(const std::optional<std::string_view>& option,
                        const EnvironmentLookup& lookup);
