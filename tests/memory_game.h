#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "doubles/memory_controls.h"
#include "quiz/cave_rows.h"
#include "quiz/matching_quiz.h"

namespace test {

using quiz::ListIndex;
using quiz::MemoryList;

inline ListIndex index_of(const MemoryList& list, std::string_view text) {
  const auto& items = list.items();
  const auto found = std::ranges::find(items, text);
  if (found == items.end()) throw std::invalid_argument("not in the list: " + std::string(text));
  return static_cast<ListIndex>(found - items.begin());
}

// One game on in-memory controls, played the way the window plays it.
class Game {
 public:
  explicit Game(quiz::AnswerKey key = quiz::cave_key())
      : quiz_(key, {names, settlements, result, correct, wrong}) {
    quiz_.refill_lists();
  }

  enum class Order { name_first, settlement_first };

  void pick(std::string_view name, std::string_view settlement, Order order = Order::name_first) {
    if (order == Order::name_first) {
      select(names, name);
      select(settlements, settlement);
    } else {
      select(settlements, settlement);
      select(names, name);
    }
  }

  void select(MemoryList& list, std::string_view text) { select(list, index_of(list, text)); }
  void select(MemoryList& list, ListIndex index) {
    list.select(index);
    quiz_.selection_changed();
  }

  quiz::BulgarianCollation collation;
  MemoryList names{collation};
  MemoryList settlements{collation};
  quiz::MemoryTextBox result;
  quiz::MemoryLabel correct;
  quiz::MemoryLabel wrong;
  quiz::MatchingQuiz& quiz() { return quiz_; }

 private:
  quiz::MatchingQuiz quiz_;
};

}  // namespace test
