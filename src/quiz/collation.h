#pragma once

#include <unicode/uversion.h>

#include <memory>
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
    // A plain binary search: clang 14 cannot compile ranges::upper_bound over views::iota with
    // the libstdc++ of Debian 12.
    ListIndex low = 0;
    ListIndex high = count;
    while (low < high) {
      const auto middle = static_cast<ListIndex>(low + (high - low) / 2);
      if (less(text, text_at(middle))) {
        high = middle;
      } else {
        low = static_cast<ListIndex>(middle + 1);
      }
    }
    return low;
  }

 private:
  std::unique_ptr<icu::Collator> collator_;
};

}  // namespace quiz
