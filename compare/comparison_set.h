#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "data/fruta.h"

// The fruits being compared, in the order they were added: at most nine, no two with the same
// display name. Owns its records.
class ComparisonSet {
  public:
    static constexpr std::size_t kLimit = 9;
    static const char* const kLimitMessage;

    std::size_t Count() const { return fruits_.size(); }
    bool IsFull() const { return fruits_.size() >= kLimit; }
    bool Contains(const std::string& displayName) const;

    // Builds a record from a table line and puts it last. Raises EListError for a line that is not
    // a fruit, and std::logic_error when the set is full or already holds a fruit of that name; the
    // set is unchanged then.
    TFruta& Append(const std::string& tableLine);

    // Takes out and frees the first record of that display name; false when there is none.
    bool Remove(const std::string& displayName);

    void Clear() { fruits_.clear(); }

    // The display names, first to last: the items of the comparison drop-down.
    std::vector<std::string> DisplayNames() const;

    const std::vector<std::unique_ptr<TFruta>>& Fruits() const { return fruits_; }

  private:
    std::vector<std::unique_ptr<TFruta>> fruits_;
};
