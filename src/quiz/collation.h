#pragma once

#include <memory>
#include <string_view>

#include "quiz/list_index.h"

namespace quiz {

// The one sorting rule of every list in the program: Bulgarian alphabetical order, case
// ignored, spaces and punctuation counted. Built once by its owner and shared by the lists.
// The comparison is the platform's own: ICU on Linux, CompareStringEx on Windows. The two agree
// on Bulgarian text; they put Latin letters on opposite sides of Cyrillic ones.
class BulgarianCollation {
 public:
  // Throws std::runtime_error when the platform has no Bulgarian collation.
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
  struct Platform;
  std::unique_ptr<Platform> platform_;
};

}  // namespace quiz
