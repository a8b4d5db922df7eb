#include "quiz/matching_quiz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "memory_game.h"

namespace {

using quiz::ListIndex;
using quiz::no_selection;
using test::Game;
using test::index_of;

struct PairCase {
  std::string_view name;
  std::string_view settlement;
  std::string_view expected_result;  // for a correct pair: the line before the description
  ListIndex described_row;           // the key row whose description follows; -1 for a wrong pair
};

const PairCase pair_cases[] = {
    {"Бачо Киро", "гр.Дряново", "Вярно: Пещерата Бачо Киро е близо до гр.Дряново\r\n", 2},
    {"Бъндерица", "м. \"Бъндерица\"", "Вярно: Пещерата Бъндерица е близо до м. \"Бъндерица\"\r\n",
     5},
    {"Каците", "с.Церово",
     "Грешка: Каците - с.Церово\r\nпещерата Каците се намира в общ. Своге - област  София\r\n", -1},
    {"Врелото", "гр.Враца",
     "Грешка: Врелото - гр.Враца\r\nпещерата Врелото се намира в гр. Перник - общ. Перник\r\n", -1},
    {"Бачо Киро", "с.Карлуково",
     "Грешка: Бачо Киро - с.Карлуково\r\nпещерата Бачо Киро се намира в общ. Дряново - област "
     "Габрово\r\n",
     -1},
};

TEST(MatchingQuiz, JudgesAPairTheSameInEitherOrderOfSelection) {
  for (const PairCase& c : pair_cases) {
    for (const auto order : {Game::Order::name_first, Game::Order::settlement_first}) {
      SCOPED_TRACE(std::string(c.name) + " / " + std::string(c.settlement));
      Game game;
      game.pick(c.name, c.settlement, order);

      if (c.described_row != no_selection) {
        EXPECT_EQ(game.result.text(),
                  std::string(c.expected_result) + " " +
                      std::string(quiz::cave_key().description(c.described_row)));
        EXPECT_EQ(game.correct.caption(), "Вярно: 1");
        EXPECT_EQ(game.wrong.caption(), "");
      } else {
        EXPECT_EQ(game.result.text(), c.expected_result);
        EXPECT_EQ(game.wrong.caption(), "Невярно: 1");
        EXPECT_EQ(game.correct.caption(), "");
      }
      EXPECT_EQ(game.quiz().correct_count() + game.quiz().wrong_count(), 1);
      EXPECT_EQ(game.names.count(), 30);
      EXPECT_EQ(game.settlements.count(), 30);
      EXPECT_EQ(std::ranges::count(game.names.items(), c.name), 0);
      EXPECT_EQ(std::ranges::count(game.settlements.items(), c.settlement), 0);
      EXPECT_EQ(game.names.selected_index(), no_selection);
      EXPECT_EQ(game.settlements.selected_index(), no_selection);
    }
  }
}

TEST(MatchingQuiz, StartsWithBothListsFullAndNothingSelected) {
  Game game;
  EXPECT_EQ(game.names.count(), 31);
  EXPECT_EQ(game.names.item_text(0), "Балабанова дупка");
  EXPECT_EQ(game.settlements.count(), 31);
  EXPECT_EQ(game.settlements.item_text(0), "гара Лакатник");
  EXPECT_EQ(game.names.selected_index(), no_selection);
  EXPECT_EQ(game.settlements.selected_index(), no_selection);
}

TEST(MatchingQuiz, WaitsUntilBothListsHaveASelection) {
  Game game;
  game.result.set_text("въведение");
  game.select(game.names, "Бачо Киро");
  game.select(game.names, "Каците");  // changing the pick on one side alone checks nothing
  game.select(game.settlements, no_selection);
  EXPECT_EQ(game.result.text(), "въведение");
  EXPECT_EQ(game.names.count(), 31);
  EXPECT_EQ(game.quiz().correct_count() + game.quiz().wrong_count(), 0);

  game.select(game.settlements, "с.Зимевица");
  EXPECT_EQ(game.quiz().correct_count(), 1);
}

TEST(MatchingQuiz, ShowsTheRegionOfThePickedCavesOwnRowAfterEarlierRemovals) {
  Game game;
  game.pick("Балабанова дупка", "с.Комщица");
  game.pick("Банковица", "гара Лакатник");
  // Тизоин now stands two places higher in the name list than its row in the key.
  game.pick("Тизоин", "с.Емен");
  EXPECT_EQ(
      game.result.text(),
      "Грешка: Тизоин - с.Емен\r\nпещерата Тизоин се намира в общ. Годеч - област  София\r\n");
  EXPECT_EQ(game.wrong.caption(), "Невярно: 2");
  EXPECT_EQ(game.correct.caption(), "Вярно: 1");
}

TEST(MatchingQuiz, AWholeGameEmptiesBothListsAndScoresEveryCheck) {
  Game game;
  // Always the top entry of each list: some pairs right, most wrong.
  for (int check = 1; check <= 31; ++check) {
    game.select(game.names, 0);
    game.select(game.settlements, 0);
    ASSERT_EQ(game.names.count(), 31 - check);
    ASSERT_EQ(game.settlements.count(), 31 - check);
  }
  const auto correct = game.quiz().correct_count();
  const auto wrong = game.quiz().wrong_count();
  EXPECT_EQ(correct + wrong, 31);
  EXPECT_GT(wrong, 0);
  EXPECT_EQ(game.wrong.caption(), "Невярно: " + std::to_string(wrong));
}

TEST(MatchingQuiz, APerfectGameScoresThirtyOneCorrect) {
  Game game;
  const quiz::AnswerKey key = quiz::cave_key();
  for (ListIndex row = key.row_count() - 1; row >= 0; --row) {
    game.pick(key.name(row), key.settlement(row), Game::Order::settlement_first);
  }
  EXPECT_EQ(game.quiz().correct_count(), 31);
  EXPECT_EQ(game.correct.caption(), "Вярно: 31");
  EXPECT_EQ(game.wrong.caption(), "");
  EXPECT_EQ(game.result.text(), "Вярно: Пещерата Балабанова дупка е близо до с.Комщица\r\n " +
                                    std::string(key.description(0)));
}

TEST(MatchingQuiz, RestartMidGameBringsAFullGameBack) {
  Game game;
  game.pick("Бачо Киро", "гр.Дряново");
  game.pick("Каците", "с.Церово");
  game.select(game.names, "Магура");
  game.quiz().restart();

  EXPECT_EQ(game.names.count(), 31);
  EXPECT_EQ(game.settlements.count(), 31);
  EXPECT_EQ(game.names.selected_index(), no_selection);
  EXPECT_EQ(game.result.text(), "");
  EXPECT_EQ(game.correct.caption(), "Вярно:");
  EXPECT_EQ(game.wrong.caption(), "Невярно:");
  EXPECT_EQ(game.quiz().correct_count(), 0);
  EXPECT_EQ(game.quiz().wrong_count(), 0);

  game.pick("Каците", "с.Церово");
  EXPECT_EQ(game.wrong.caption(), "Невярно: 1");
}

TEST(MatchingQuiz, TheLastMatchingRowOfTheKeyWins) {
  static constexpr std::array<quiz::CaveRow, 3> rows{{
      {"Пещера", "с.Село", "първо описание", "общ. Първа"},
      {"Друга", "с.Друго", "друго описание", "общ. Друга"},
      {"Пещера", "с.Село", "второ описание", "общ. Втора"},
  }};
  Game right(quiz::AnswerKey{rows});
  right.pick("Пещера", "с.Село");
  EXPECT_EQ(right.result.text(), "Вярно: Пещерата Пещера е близо до с.Село\r\n второ описание");

  Game wrong(quiz::AnswerKey{rows});
  wrong.pick("Пещера", "с.Друго");
  EXPECT_EQ(wrong.result.text(),
            "Грешка: Пещера - с.Друго\r\nпещерата Пещера се намира в общ. Втора\r\n");
}

TEST(MatchingQuiz, FailsWithoutTouchingTheGameWhenThePairCannotBeRead) {
  Game game;
  game.result.set_text("въведение");
  game.names.select(0);
  EXPECT_THROW(game.quiz().check_pair(), std::out_of_range);  // no settlement selected

  game.names.add_item("Непозната пещера");
  game.names.select(index_of(game.names, "Непозната пещера"));
  game.settlements.select(0);
  EXPECT_THROW(game.quiz().check_pair(), std::logic_error);

  EXPECT_EQ(game.result.text(), "въведение");
  EXPECT_EQ(game.names.count(), 32);
  EXPECT_EQ(game.settlements.count(), 31);
  EXPECT_EQ(game.quiz().correct_count() + game.quiz().wrong_count(), 0);
}

}  // namespace
