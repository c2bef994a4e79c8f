#include "html_code.h"

HtmlCode::HtmlCode(QObject* parent) : QObject(parent) {}

void HtmlCode::add(const std::string& line) {
    lines_.push_back(line);
    emit changed();
}

void HtmlCode::setText(const std::vector<std::string>& lines) {
    lines_ = lines;
    emit changed();
}

void HtmlCode::clear() {
    lines_.clear();
    emit changed();
}
