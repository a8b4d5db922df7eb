// The quiz on in-memory controls: filling the lists, judging one pair, a whole game.
#include <benchmark/benchmark.h>

#include "doubles/memory_controls.h"
#include "quiz/cave_rows.h"
#include "quiz/matching_quiz.h"

namespace {

struct Controls {
  quiz::BulgarianCollation collation;
  quiz::MemoryList names{collation};
  quiz::MemoryList settlements{collation};
  quiz::MemoryTextBox result;
  quiz::MemoryLabel correct;
  quiz::MemoryLabel wrong;
  quiz::MatchingQuiz quiz{quiz::cave_key(), {names, settlements, result, correct, wrong}};

  // Picks the top name and the bottom settlement: a mix of right and wrong pairs.
  void play_one_pair() {
    names.select(0);
    settlements.select(static_cast<quiz::ListIndex>(settlements.count() - 1));
    quiz.selection_changed();
  }
};

void BM_RefillLists(benchmark::State& state) {
  Controls controls;
  for (auto _ : state) {
    controls.quiz.refill_lists();
    benchmark::DoNotOptimize(controls.names.items().data());
  }
}
BENCHMARK(BM_RefillLists);

void BM_CheckPair(benchmark::State& state) {
  Controls controls;
  controls.quiz.refill_lists();
  for (auto _ : state) {
    if (controls.names.count() == 0) {
      state.PauseTiming();
      controls.quiz.restart();
      state.ResumeTiming();
    }
    controls.play_one_pair();
  }
}
BENCHMARK(BM_CheckPair);

// Restart, then 31 pairs until both lists are empty.
void BM_WholeGame(benchmark::State& state) {
  Controls controls;
  for (auto _ : state) {
    controls.quiz.restart();
    while (controls.names.count() > 0) controls.play_one_pair();
    benchmark::DoNotOptimize(controls.quiz.correct_count());
  }
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
