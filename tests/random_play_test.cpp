// Thousands of random games played on the quiz and, step by step, on a small reference model
// of a game written independently of it. A failing game is cut down to the fewest actions that
// still fail and printed with its seed; QUIZ_RANDOM_SEED=<seed> replays that seed alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "memory_game.h"

namespace {

using quiz::ListIndex;
using quiz::no_selection;

constexpr unsigned games_per_run = 3000;
constexpr int most_actions_per_game = 120;

enum class ActionKind {
  select_name,
  select_settlement,
  deselect_name,
  deselect_settlement,
  restart
};

// `pick` chooses among the entries left when the action runs, so an action stays meaningful
// when the actions before it are cut away.
struct Action {
  ActionKind kind;
  unsigned pick;
};

std::string describe(const std::vector<Action>& actions) {
  std::ostringstream out;
  for (const Action& action : actions) {
    switch (action.kind) {
      case ActionKind::select_name:
        out << "  select name #" << action.pick << "\n";
        break;
      case ActionKind::select_settlement:
        out << "  select settlement #" << action.pick << "\n";
        break;
      case ActionKind::deselect_name:
        out << "  deselect name\n";
        break;
      case ActionKind::deselect_settlement:
        out << "  deselect settlement\n";
        break;
      case ActionKind::restart:
        out << "  restart\n";
        break;
    }
  }
  return out.str();
}

std::vector<Action> random_game(unsigned seed) {
  std::mt19937 random(seed);
  // Mostly picks, so that many games run to the end and on past it.
  std::discrete_distribution<int> kind({40, 40, 4, 4, 2});
  std::uniform_int_distribution<unsigned> pick(0, 1000);
  std::uniform_int_distribution<int> length(1, most_actions_per_game);
  std::vector<Action> actions(static_cast<std::size_t>(length(random)));
  for (Action& action : actions) action = {static_cast<ActionKind>(kind(random)), pick(random)};
  return actions;
}

// What a game should look like, worked out from the key by name rather than by scanning it.
class Model {
 public:
  explicit Model(const quiz::AnswerKey& key, const quiz::BulgarianCollation& collation)
      : collation_(collation) {
    for (ListIndex row = 0; row < key.row_count(); ++row) {
      rows_[std::string(key.name(row))] = {std::string(key.settlement(row)),
                                           std::string(key.description(row)),
                                           std::string(key.region(row))};
    }
    refill();
  }

  void apply(const Action& action) {
    switch (action.kind) {
      case ActionKind::select_name:
        select(names, name_selected, action.pick);
        break;
      case ActionKind::select_settlement:
        select(settlements, settlement_selected, action.pick);
        break;
      case ActionKind::deselect_name:
        name_selected = no_selection;
        break;
      case ActionKind::deselect_settlement:
        settlement_selected = no_selection;
        break;
      case ActionKind::restart:
        refill();
        result.clear();
        correct_caption = "Вярно:";
        wrong_caption = "Невярно:";
        correct = wrong = 0;
        break;
    }
    if (name_selected != no_selection && settlement_selected != no_selection) check();
  }

  std::vector<std::string> names, settlements;
  ListIndex name_selected = no_selection, settlement_selected = no_selection;
  std::string result, correct_caption, wrong_caption;
  int correct = 0, wrong = 0;

 private:
  struct Row {
    std::string settlement, description, region;
  };

  void refill() {
    names.clear();
    settlements.clear();
    for (const auto& [name, row] : rows_) {
      names.push_back(name);
      settlements.push_back(row.settlement);
    }
    const auto less = [this](const std::string& a, const std::string& b) {
      return collation_.less(a, b);
    };
    std::ranges::sort(names, less);
    std::ranges::sort(settlements, less);
    name_selected = settlement_selected = no_selection;
  }

  static void select(const std::vector<std::string>& list, ListIndex& selected, unsigned pick) {
    if (!list.empty()) selected = static_cast<ListIndex>(pick % list.size());
  }

  void check() {
    const std::string name = names[static_cast<std::size_t>(name_selected)];
    const std::string settlement = settlements[static_cast<std::size_t>(settlement_selected)];
    const Row& row = rows_.at(name);
    if (row.settlement == settlement) {
      result = "Вярно: Пещерата " + name + " е близо до " + settlement + "\r\n " + row.description;
      correct_caption = "Вярно: " + std::to_string(++correct);
    } else {
      result = "Грешка: " + name + " - " + settlement + "\r\nпещерата " + name + " се намира в " +
               row.region + "\r\n";
      wrong_caption = "Невярно: " + std::to_string(++wrong);
    }
    names.erase(names.begin() + name_selected);
    settlements.erase(settlements.begin() + settlement_selected);
    name_selected = settlement_selected = no_selection;
  }

  const quiz::BulgarianCollation& collation_;
  std::map<std::string, Row> rows_;
};

void apply(test::Game& game, const Action& action) {
  const auto select = [&](quiz::MemoryList& list) {
    // With nothing left to pick, the event still reaches the quiz.
    const ListIndex count = list.count();
    game.select(list, count == 0
                          ? no_selection
                          : static_cast<ListIndex>(action.pick % static_cast<unsigned>(count)));
  };
  switch (action.kind) {
    case ActionKind::select_name:
      select(game.names);
      break;
    case ActionKind::select_settlement:
      select(game.settlements);
      break;
    case ActionKind::deselect_name:
      game.select(game.names, no_selection);
      break;
    case ActionKind::deselect_settlement:
      game.select(game.settlements, no_selection);
      break;
    case ActionKind::restart:
      game.quiz().restart();
      break;
  }
}

// The first difference between the quiz and the model after the actions, if any.
std::optional<std::string> first_difference(const std::vector<Action>& actions) {
  test::Game game;
  Model model(quiz::cave_key(), game.collation);
  for (std::size_t step = 0; step < actions.size(); ++step) {
    try {
      apply(game, actions[step]);
    } catch (const std::exception& failure) {
      return "step " + std::to_string(step + 1) + " threw: " + failure.what();
    }
    model.apply(actions[step]);
    const auto differs = [&](const char* what) {
      return std::optional<std::string>("step " + std::to_string(step + 1) + ": " + what +
                                        " differs");
    };
    if (game.names.items() != model.names) return differs("the name list");
    if (game.settlements.items() != model.settlements) return differs("the settlement list");
    if (game.names.selected_index() != model.name_selected) return differs("the name selection");
    if (game.settlements.selected_index() != model.settlement_selected)
      return differs("the settlement selection");
    if (game.result.text() != model.result) return differs("the result text");
    if (game.correct.caption() != model.correct_caption) return differs("the correct caption");
    if (game.wrong.caption() != model.wrong_caption) return differs("the wrong caption");
    if (game.quiz().correct_count() != model.correct || game.quiz().wrong_count() != model.wrong) {
      return differs("a score");
    }
  }
  return std::nullopt;
}

// Drops actions one at a time for as long as the game still fails without them.
std::vector<Action> shortest_failing(std::vector<Action> actions) {
  for (bool shorter = true; shorter;) {
    shorter = false;
    for (std::size_t i = 0; i < actions.size(); ++i) {
      std::vector<Action> fewer = actions;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
      if (first_difference(fewer)) {
        actions = std::move(fewer);
        shorter = true;
        break;
      }
    }
  }
  return actions;
}

std::vector<unsigned> seeds_to_play() {
  if (const char* seed = std::getenv("QUIZ_RANDOM_SEED")) {
    return {static_cast<unsigned>(std::strtoul(seed, nullptr, 10))};
  }
  std::vector<unsigned> seeds(games_per_run);
  for (unsigned i = 0; i < games_per_run; ++i) seeds[i] = i + 1;
  return seeds;
}

TEST(RandomPlay, EveryStepOfEveryGameMatchesTheModel) {
  for (const unsigned seed : seeds_to_play()) {
    const std::vector<Action> actions = random_game(seed);
    if (const auto difference = first_difference(actions)) {
      const std::vector<Action> shortest = shortest_failing(actions);
      FAIL() << "seed " << seed << ": " << *difference << "\nshortest failing game ("
             << *first_difference(shortest) << "):\n"
             << describe(shortest) << "replay with QUIZ_RANDOM_SEED=" << seed;
    }
  }
}

}  // namespace
