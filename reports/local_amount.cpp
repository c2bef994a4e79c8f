#include "reports/local_amount.h"

std::string localAmount(std::string_view amount, Language language) {
    std::string text(amount);
    if (language == Language::Spanish) {
        for (char& c : text) {
            c = c == '.' ? ',' : c;
        }
    }
    return text;
}
