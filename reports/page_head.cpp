#include "reports/page_head.h"

namespace {

std::string encodeForHref(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unsafe = byte < 0x20 || byte >= 0x7F || c == '"' || c == '<' || c == '>' ||
                            c == '&' || c == '#' || c == '?' || c == '%';
        if (unsafe) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string styleSheetLinks(const std::string& appFolder) {
    const std::string folder = encodeForHref(appFolder);
    std::string line;
    for (const char* sheet : {"basic.css", "visualize.css", "visualize-light.css"}) {
        line += "<link href=\"" + folder + sheet + "\" type=\"text/css\" rel=\"stylesheet\" />";
    }
    return line + " ";
}

void appendPageHead(std::vector<std::string>& lines, const std::string& appFolder,
                    Language language) {
    lines.emplace_back(language == Language::Spanish ? "<!DOCTYPE html><HTML lang=\"es\"><HEAD>"
                                                     : "<!DOCTYPE html><HTML><HEAD>");
    lines.push_back(styleSheetLinks(appFolder));
    lines.emplace_back("</HEAD><BODY>");
}
