#include "html_code.h"

THtmlCode::THtmlCode(QObject* parent) : QObject(parent) {}

void THtmlCode::Add(const std::string& line) {
    lines_.push_back(line);
    emit changed();
}

void THtmlCode::SetText(const std::vector<std::string>& lines) {
    lines_ = lines;
    emit changed();
}

void THtmlCode::Clear() {
    lines_.clear();
    emit changed();
}
