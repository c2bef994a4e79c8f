#include "reports/chart_words.h"

#include <utility>
#include <vector>

namespace {

using Words = std::vector<std::pair<const char*, const char*>>;

const Words& wordsOf(Language language) {
    static const Words english = {
        {"perAmount", "per 100 g"},
        {"logScale", "log scale"},
        {"chartOf", "Chart: "},
        {"largestFirst", ", largest first"},
        {"paleBars", "Pale bars: 0.002, the stand-in for an amount the fruit table lacks"},
        {"allStandIn", "No amounts in the fruit table: every bar is the stand-in 0.002"},
        {"reference", "Reference: "},
        {"decimal", "."},
        {"thousands", ","},
    };
    // Windows-1252 bytes, as every text of the Spanish pages.
    static const Words spanish = {
        {"perAmount", "por 100 g"},
        {"logScale", "escala logar\xEDtmica"},
        {"chartOf",
         "Gr\xE1"
         "fico: "},
        {"largestFirst", ", de mayor a menor"},
        {"paleBars",
         "Barras p\xE1lidas: 0,002, el valor que sustituye a una cantidad que falta en la tabla"},
        {"allStandIn", "Sin cantidades en la tabla: cada barra es el valor sustituto 0,002"},
        {"reference", "Referencia: "},
        {"decimal", ","},
        {"thousands", "\xA0"},  // a no-break space, as Spanish style writes 10 000
    };
    return language == Language::Spanish ? spanish : english;
}

// A text as a script string literal: quotes, backslashes and line ends escaped.
std::string quoted(const char* text) {
    std::string out = "\"";
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '"' || *p == '\\') {
            out += '\\';
        }
        out += *p == '\n' ? std::string("\\n") : std::string(1, *p);
    }
    return out + "\"";
}

}  // namespace

std::string chartWordsScript(Language language) {
    std::string script = "window.QuorvelWords={";
    const char* separator = "";
    for (const auto& [key, word] : wordsOf(language)) {
        script += separator;
        script += quoted(key) + ":" + quoted(word);
        separator = ",";
    }
    return script + "};";
}
