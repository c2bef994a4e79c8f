#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/fruit.h"

// The fruits being compared, in the order they were added: at most nine, no two with the same
// display name. Owns its records: a record lives from its fruit's adding to its removal.
class ComparisonSet {
  public:
    static constexpr std::size_t kLimit = 9;
    static const char* const kLimitMessage;

    std::size_t count() const { return fruits_.size(); }
    bool isFull() const { return fruits_.size() >= kLimit; }
    bool contains(const std::string& displayName) const;

    // Builds a record from a table line and puts it last. Raises ListIndexError for a line that is
    // not a fruit, and std::logic_error when the set is full or already holds a fruit of that name;
    // the set is unchanged then.
    // The record speaks the given language (its names and display name).
    const Fruit& append(const std::string& tableLine, Language language = Language::English);

    // Takes out and frees the first record of that display name; false when there is none.
    bool remove(const std::string& displayName);

    void clear() { fruits_.clear(); }

    // The display names, first to last: the items of the comparison drop-down.
    std::vector<std::string> displayNames() const;

    const std::vector<Fruit>& fruits() const { return fruits_; }

  private:
    std::vector<Fruit> fruits_;
};
