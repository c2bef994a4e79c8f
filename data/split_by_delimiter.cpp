#include "data/split_by_delimiter.h"

void splitByDelimiter(std::vector<std::string>& list, std::string_view text,
                      std::string_view delimiter) {
    list.clear();
    if (delimiter.empty()) {
        list.emplace_back(text);
        return;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t found = text.find(delimiter, start);
        if (found == std::string_view::npos) {
            list.emplace_back(text.substr(start));
            return;
        }
        list.emplace_back(text.substr(start, found - start));
        start = found + delimiter.size();
    }
}
