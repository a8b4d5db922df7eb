#pragma once

#include <unicode/uversion.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <ranges>
#include <string_view>

#include "quiz/list_index.h"

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace quiz {

// The one sorting rule of every list in the program: Bulgarian alphabetical order, case
// ignored, spaces and punctuation counted. Built once by its owner and shared by the lists.
class BulgarianCollation {
 public:
  // Throws std::runtime_error when ICU has no Bulgarian collation data.
  BulgarianCollation();
  ~BulgarianCollation();
  BulgarianCollation(const BulgarianCollation&) = delete;
  BulgarianCollation& operator=(const BulgarianCollation&) = delete;

  // Both texts are UTF-8.
  bool less(std::string_view a, std::string_view b) const;

  // Where `text` goes among `count` entries that are already in order, after any equal ones;
  // `text_at(i)` gives entry i.
  template <typename TextAt>
  ListIndex insert_position(std::string_view text, ListIndex count, TextAt text_at) const {
    const auto indexes = std::views::iota(ListIndex{0}, count);
    const auto after = std::ranges::upper_bound(
        indexes, text, [this](std::string_view a, std::string_view b) { return less(a, b); },
        [&text_at](ListIndex i) { return text_at(i); });
    return static_cast<ListIndex>(std::ranges::distance(indexes.begin(), after));
  }

 private:
  std::unique_ptr<icu::Collator> collator_;
};

}  // namespace quiz
