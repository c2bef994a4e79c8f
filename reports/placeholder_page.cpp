#include "reports/placeholder_page.h"

std::string placeholderPage() {
    std::string page = "<html><head></head><body>";
    for (int i = 0; i < 11; ++i) {
        page += "<br/>";
    }
    page += "<p style=\"font-family:Verdana;font-weight:bold;font-size:22px;text-align:center\">";
    page += "Add a fruit to the comparison to build the report";
    page += "</p></body></html>";
    return page;
}
