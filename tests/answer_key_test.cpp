#include "quiz/answer_key.h"

#include <gtest/gtest.h>
#include <unicode/unistr.h>

#include <array>
#include <regex>
#include <set>
#include <string_view>

#include "quiz/cave_rows.h"
#include "quiz/collation.h"

namespace {

using quiz::AnswerKey;
using quiz::cave_key;
using quiz::ListIndex;

struct ExpectedRow {
  std::string_view name;
  std::string_view settlement;
  std::string_view region;
  std::size_t description_length;  // the length each description is written to, in characters
};

// The key as the school material gives it, character for character.
constexpr std::array<ExpectedRow, 31> expected_rows{{
    {"Балабанова дупка", "с.Комщица", "общ. Годеч - област  София", 509},
    {"Банковица", "с.Карлуково", "общ. Луковит - област Ловеч", 412},
    {"Бачо Киро", "гр.Дряново", "общ. Дряново - област Габрово", 592},
    {"Башовишки печ", "гара Орешец", "общ. Димово - област Видин", 231},
    {"Беляр", "с.Горно Озирово", "общ. Вършец - област Враца", 362},
    {"Бъндерица", "м. \"Бъндерица\"", "общ. Банско - област Благоевград", 165},
    {"Водната пещера", "с.Церово", "общ. Своге - област  София", 416},
    {"Водопада", "с.Крушуна", "общ. Летница - област Ловеч", 279},
    {"Врелото", "гр.Перник", "гр. Перник - общ. Перник", 502},
    {"Деветашката пещера", "с.Деветаки", "общ. Ловеч - област Ловеч", 668},
    {"Духлата", "с.Боснек", "общ. Перник - област Перник", 444},
    {"Еменска пещера", "с.Емен", "общ. Велико Търново - област Велико Търново", 624},
    {"Зандана/Бисерна", "гр.Шумен", "общ. Шумен - област Шумен", 163},
    {"Каците", "с.Зимевица", "общ. Своге - област  София", 28},
    {"Куманица", "с.Черни Осъм", "общ. Троян - област Ловеч", 526},
    {"Леденика", "гр.Враца", "общ. Враца - област Враца", 560},
    {"Ледницата", "с.Гела", "общ. Смолян - област Смолян", 386},
    {"Лепеница", "гр.Ракитово", "общ. Ракитово - област Пазарджик", 430},
    {"Магура", "с.Рабиша", "общ. Белоградчик - област Видин", 594},
    {"Мандрата", "с.Микре", "общ. Угърчин - област Ловеч", 385},
    {"Маноилова дупка", "с.Рибново", "общ. Гърмен- Благоевград", 479},
    {"Марина дупка", "с.Генчовци", "общ. Габрово - област Габрово", 217},
    {"Моровица", "с.Гложене", "общ. Тетевен - област Ловеч", 317},
    {"Мъгливия сняг", "гр.Твърдица", "общ. Твърдица - област Сливен", 335},
    {"Орлова чука", "с.Пепелина", "общ. Две могили - област Русе", 388},
    {"Понора", "с.Чирен", "общ. Враца - област Враца", 323},
    {"Приказна", "гр.Котел", "общ. Котел - област Сливен", 412},
    {"Съева дупка", "с. Брестница", "общ. Ябланица - област Ловеч", 566},
    {"Темната дупка", "гара Лакатник", "общ. Своге - област  София", 543},
    {"Тизоин", "с.Гинци", "общ. Годеч - област  София", 718},
    {"Ягодинска пещера", "с.Ягодина", "общ. Борино - област  Смолян", 650},
}};

TEST(AnswerKey, HoldsEveryRowExactly) {
  const AnswerKey key = cave_key();
  ASSERT_EQ(key.row_count(), 31);
  for (ListIndex row = 0; row < key.row_count(); ++row) {
    SCOPED_TRACE(row);
    const ExpectedRow& expected = expected_rows[static_cast<std::size_t>(row)];
    EXPECT_EQ(key.name(row), expected.name);
    EXPECT_EQ(key.settlement(row), expected.settlement);
    EXPECT_EQ(key.region(row), expected.region);
  }
}

TEST(AnswerKey, QuotesTheTwoGivenDescriptionsWordForWord) {
  const AnswerKey key = cave_key();
  EXPECT_EQ(key.description(13), "дълбока 220 м, дълж. 2560 м;");
  EXPECT_EQ(key.description(12),
            "Входът към нея е в местността Кьошковете в природен парк Шуменско плато на около 1 "
            "km от град Шумен. Той е със североизточно изложение на 404 m надморска височина.");
}

TEST(AnswerKey, DescriptionsAreSingleParagraphsOfTheirWrittenLength) {
  const AnswerKey key = cave_key();
  for (ListIndex row = 0; row < key.row_count(); ++row) {
    SCOPED_TRACE(key.name(row));
    const std::string_view description = key.description(row);
    EXPECT_EQ(description.find_first_of("\r\n"), std::string_view::npos);
    EXPECT_NE(description.front(), ' ');
    EXPECT_NE(description.back(), ' ');
    const double written =
        static_cast<double>(expected_rows[static_cast<std::size_t>(row)].description_length);
    const double length = icu::UnicodeString::fromUTF8(description).countChar32();
    EXPECT_GE(length, written * 0.9);
    EXPECT_LE(length, written * 1.1);
  }
}

// Names and regions keep the school material's spacing; descriptions are typeset: an en dash
// between spaces, single spaces, Cyrillic units and Bulgarian quotation marks („…“). The given
// Zandana text keeps its "m" and "km".
TEST(AnswerKey, DescriptionsAreTypesetAlike) {
  struct Rule {
    const char* fault;
    std::regex pattern;
    ListIndex exempt_row;
  };
  const std::array<Rule, 4> rules{{
      {"a hyphen between spaces used as a dash", std::regex(" - "), -1},
      {"a doubled space", std::regex("  "), -1},
      {"a Latin unit after a number", std::regex("[0-9] ?k?m\\b"), 12},
      {"a straight double quote instead of „…“", std::regex("\""), -1},
  }};
  const AnswerKey key = cave_key();
  for (const Rule& rule : rules) {
    for (ListIndex row = 0; row < key.row_count(); ++row) {
      if (row == rule.exempt_row) continue;
      const std::string description(key.description(row));
      EXPECT_FALSE(std::regex_search(description, rule.pattern))
          << key.name(row) << ": " << rule.fault;
    }
  }
}

TEST(AnswerKey, NamesAndSettlementsAreUniqueAndNamesAlphabetical) {
  const AnswerKey key = cave_key();
  const quiz::BulgarianCollation collation;
  std::set<std::string_view> names;
  std::set<std::string_view> settlements;
  for (ListIndex row = 0; row < key.row_count(); ++row) {
    names.insert(key.name(row));
    settlements.insert(key.settlement(row));
    if (row > 0) {
      EXPECT_TRUE(collation.less(key.name(static_cast<ListIndex>(row - 1)), key.name(row)))
          << key.name(row);
    }
  }
  EXPECT_EQ(names.size(), 31u);
  EXPECT_EQ(settlements.size(), 31u);
}

TEST(AnswerKey, RejectsRowsOutsideTheKey) {
  const AnswerKey key = cave_key();
  for (const ListIndex row : {ListIndex{-1}, ListIndex{31}, ListIndex{32767}}) {
    EXPECT_THROW((void)key.name(row), std::out_of_range) << row;
    EXPECT_THROW((void)key.region(row), std::out_of_range) << row;
  }
  try {
    (void)key.description(31);
    FAIL() << "row 31 is past the key";
  } catch (const std::out_of_range& failure) {
    EXPECT_STREQ(failure.what(), "Ключ с отговорите: няма елемент с индекс 31 (елементите са 31)");
  }
}

}  // namespace
