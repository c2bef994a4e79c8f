#include "compare/comparison_set.h"

#include <algorithm>
#include <stdexcept>

const char* const ComparisonSet::kLimitMessage =
    "Please remove some fruits from comparison before adding any more";

bool ComparisonSet::contains(const std::string& displayName) const {
    return std::any_of(fruits_.begin(), fruits_.end(),
                       [&](const auto& fruit) { return fruit.displayName() == displayName; });
}

const Fruit& ComparisonSet::append(const std::string& tableLine, Language language) {
    if (isFull()) {
        throw std::logic_error(kLimitMessage);
    }
    Fruit fruit(tableLine, language);
    if (contains(fruit.displayName())) {
        throw std::logic_error("\"" + fruit.displayName() + "\" is compared already");
    }
    fruits_.push_back(std::move(fruit));
    return fruits_.back();
}

bool ComparisonSet::remove(const std::string& displayName) {
    const auto found = std::find_if(fruits_.begin(), fruits_.end(), [&](const auto& fruit) {
        return fruit.displayName() == displayName;
    });
    if (found == fruits_.end()) {
        return false;
    }
    fruits_.erase(found);
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
