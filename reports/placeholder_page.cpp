#include "reports/placeholder_page.h"

std::string placeholderPage(Language language) {
    std::string page = "<html><head></head><body>";
    for (int i = 0; i < 11; ++i) {
        page += "<br/>";
    }
    page += "<p style=\"font-family:Verdana;font-weight:bold;font-size:22px;text-align:center\">";
    page += language == Language::Spanish
                ? "A\xF1"
                  "ada una fruta a la comparaci\xF3n para crear el informe"
                : "Add a fruit to the comparison to build the report";
    page += "</p></body></html>";
    return page;
}
