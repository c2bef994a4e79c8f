#include "compare/comparison_set.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

const char* const ComparisonSet::kLimitMessage =
    "Please remove some fruits from comparison before adding any more";

bool ComparisonSet::contains(std::size_t tableLine) const {
    return std::find(tableLines_.begin(), tableLines_.end(), tableLine) != tableLines_.end();
}

const Fruit& ComparisonSet::append(std::size_t tableLine, const std::string& lineText,
                                   Language language) {
    if (isFull()) {
        throw std::logic_error(kLimitMessage);
    }
    if (contains(tableLine)) {
        throw std::logic_error("Table line " + std::to_string(tableLine) + " is compared already");
    }
    fruits_.emplace_back(lineText, language);
    tableLines_.push_back(tableLine);
    return fruits_.back();
}

bool ComparisonSet::remove(std::size_t tableLine) {
    const auto found = std::find(tableLines_.begin(), tableLines_.end(), tableLine);
    if (found == tableLines_.end()) {
        return false;
    }
    fruits_.erase(fruits_.begin() + std::distance(tableLines_.begin(), found));
    tableLines_.erase(found);
    return true;
}

std::vector<std::string> ComparisonSet::displayNames() const {
    std::vector<std::string> names;
    names.reserve(fruits_.size());
    for (const auto& fruit : fruits_) {
        names.push_back(fruit.displayName());
    }
    return names;
}
