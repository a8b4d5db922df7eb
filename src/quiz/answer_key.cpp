#include "quiz/answer_key.h"

namespace quiz {

ListIndex AnswerKey::row_count() const { return to_list_index(rows_.size(), answer_key_name); }

std::string_view AnswerKey::name(ListIndex row) const { return at(row).name; }
std::string_view AnswerKey::settlement(ListIndex row) const { return at(row).settlement; }
std::string_view AnswerKey::description(ListIndex row) const { return at(row).description; }
std::string_view AnswerKey::region(ListIndex row) const { return at(row).region; }

const CaveRow& AnswerKey::at(ListIndex row) const {
  check_index(row, rows_.size(), answer_key_name);
  return rows_[static_cast<std::size_t>(row)];
}

}  // namespace quiz
