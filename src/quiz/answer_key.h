#pragma once

#include <span>
#include <string_view>

#include "quiz/list_index.h"

namespace quiz {

// One cave of the answer key.
struct CaveRow {
  std::string_view name;
  std::string_view settlement;   // the settlement the cave lies near
  std::string_view description;  // one paragraph, no line breaks
  std::string_view region;       // municipality and province
};

// Read-only view of the key: four row-aligned columns, read by row index.
class AnswerKey {
 public:
  explicit constexpr AnswerKey(std::span<const CaveRow> rows) : rows_(rows) {}

  ListIndex row_count() const;
  std::string_view name(ListIndex row) const;
  std::string_view settlement(ListIndex row) const;
  std::string_view description(ListIndex row) const;
  std::string_view region(ListIndex row) const;

 private:
  const CaveRow& at(ListIndex row) const;

  std::span<const CaveRow> rows_;
};

}  // namespace quiz
