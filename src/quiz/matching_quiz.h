#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "quiz/answer_key.h"
#include "quiz/checked_count.h"
#include "quiz/controls.h"

namespace quiz {

// The window's controls that one game is played on.
struct QuizControls {
  VisibleList& names;        // cave names still in play
  VisibleList& settlements;  // settlements still in play
  TextBox& result;           // verdict on the last pair
  Label& correct_label;
  Label& wrong_label;
};

// One matching game: the pupil pairs each cave with the settlement it lies near.
class MatchingQuiz {
 public:
  MatchingQuiz(AnswerKey key, QuizControls controls) : key_(key), controls_(controls) {}

  // Puts every name and every settlement of the key back into the two lists.
  void refill_lists();
  // Whether both lists have a selection: the next selection_changed checks the pair.
  bool pair_picked() const;
  // Called on any selection change; checks the pair once both lists have a selection.
  void selection_changed();
  // Judges the selected pair, shows the verdict, scores it and takes both entries out of play.
  void check_pair();
  // A full game again, both scores at zero.
  void restart();

  std::int32_t correct_count() const { return correct_count_; }
  Count16 wrong_count() const { return wrong_count_; }

 private:
  // Exact comparison of whole strings; when several rows match, the last one counts.
  std::optional<ListIndex> last_row_of_pair(std::string_view name,
                                            std::string_view settlement) const;
  std::optional<ListIndex> last_row_of_name(std::string_view name) const;
  void report_correct(std::string_view name, std::string_view settlement, ListIndex row);
  void report_wrong(std::string_view name, std::string_view settlement);

  AnswerKey key_;
  QuizControls controls_;
  std::int32_t correct_count_ = 0;
  Count16 wrong_count_ = 0;
};

}  // namespace quiz
