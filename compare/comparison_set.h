#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/fruit.h"

// The fruits being compared, in the order they were added: at most nine, each fruit once. A fruit
// is its line of the fruit table; the records' display names are only for showing. Owns its
// records: a record lives from its fruit's adding to its removal.
class ComparisonSet {
  public:
    static constexpr std::size_t kLimit = 9;
    static const char* const kLimitMessage;

    std::size_t count() const { return fruits_.size(); }
    bool isFull() const { return fruits_.size() >= kLimit; }
    bool contains(std::size_t tableLine) const;

    // Builds a record from the text of table line tableLine and puts it last. Raises ListIndexError
    // for a line that is not a fruit, and std::logic_error when the set is full or already holds
    // that table line; the set is unchanged then. The record speaks the given language.
    const Fruit& append(std::size_t tableLine, const std::string& lineText,
                        Language language = Language::English);

    // Takes out and frees the record of that table line; false when there is none.
    bool remove(std::size_t tableLine);

    void clear() {
        fruits_.clear();
        tableLines_.clear();
    }

    // The table lines, first to last.
    const std::vector<std::size_t>& tableLines() const { return tableLines_; }
    // The display names, first to last: the items of the comparison drop-down.
    std::vector<std::string> displayNames() const;

    const std::vector<Fruit>& fruits() const { return fruits_; }

  private:
    std::vector<Fruit> fruits_;
    std::vector<std::size_t> tableLines_;  // entry i is the table line of fruits_[i]
};
