#include "quiz/answer_key.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  std::string_view description_opening;  // the first words of the row's own description
  std::size_t description_length;        // the length each description is written to, in characters
};

// The key as the school material gives it, character for character, with the opening words of
// each row's description: two rows' descriptions swapped, even of one length, do not pass.
constexpr std::array<ExpectedRow, 31> expected_rows{{
    {"Балабанова дупка", "с.Комщица", "общ. Годеч - област  София",
     "Балабанова дупка е в Понорския", 509},
    {"Банковица", "с.Карлуково", "общ. Луковит - област Ловеч", "Банковица е пропастна пещера",
     412},
    {"Бачо Киро", "гр.Дряново", "общ. Дряново - област Габрово", "Пещерата е на около 300 м", 592},
    {"Башовишки печ", "гара Орешец", "общ. Димово - област Видин",
     "Тази водна пещера с карстов извор", 231},
    {"Беляр", "с.Горно Озирово", "общ. Вършец - област Враца", "Пропастната пещера Беляр", 362},
    {"Бъндерица", "м. \"Бъндерица\"", "общ. Банско - област Благоевград",
     "В Северен Пирин река Бъндерица", 165},
    {"Водната пещера", "с.Церово", "общ. Своге - област  София", "Водната пещера е в Понорския",
     416},
    {"Водопада", "с.Крушуна", "общ. Летница - област Ловеч", "Пещерата Водопада е изворна", 279},
    {"Врелото", "гр.Перник", "гр. Перник - общ. Перник", "Пещерата Врелото е в Боснешкия", 502},
    {"Деветашката пещера", "с.Деветаки", "общ. Ловеч - област Ловеч",
     "Местните наричат пещерата Маарата", 668},
    {"Духлата", "с.Боснек", "общ. Перник - област Перник", "Духлата, наричана и Боснешката", 444},
    {"Еменска пещера", "с.Емен", "общ. Велико Търново - област Велико Търново",
     "Еменската пещера е дълга 3113 м", 624},
    {"Зандана/Бисерна", "гр.Шумен", "общ. Шумен - област Шумен", "Входът към нея е в местността",
     163},
    {"Каците", "с.Зимевица", "общ. Своге - област  София", "дълбока 220 м, дълж. 2560 м;", 28},
    {"Куманица", "с.Черни Осъм", "общ. Троян - област Ловеч", "Куманица е в резервата Стенето",
     526},
    {"Леденика", "гр.Враца", "общ. Враца - област Враца", "Леденика е на около 16 км", 560},
    {"Ледницата", "с.Гела", "общ. Смолян - област Смолян", "Ледницата е на около 7,5 км", 386},
    {"Лепеница", "гр.Ракитово", "общ. Ракитово - област Пазарджик",
     "Лепеница се намира в подножието", 430},
    {"Магура", "с.Рабиша", "общ. Белоградчик - област Видин", "Магура е в самотния хълм", 594},
    {"Мандрата", "с.Микре", "общ. Угърчин - област Ловеч", "Мандрата е хоризонтална изворна", 385},
    {"Маноилова дупка", "с.Рибново", "общ. Гърмен- Благоевград", "Маноилова дупка, известна", 479},
    {"Марина дупка", "с.Генчовци", "общ. Габрово - област Габрово",
     "Марина дупка е дълга около 3 км", 217},
    {"Моровица", "с.Гложене", "общ. Тетевен - област Ловеч", "Моровица е на около 2 км", 317},
    {"Мъгливия сняг", "гр.Твърдица", "общ. Твърдица - област Сливен", "Пещерата Мъгливия сняг е",
     335},
    {"Орлова чука", "с.Пепелина", "общ. Две могили - област Русе", "Орлова чука е в Природен парк",
     388},
    {"Понора", "с.Чирен", "общ. Враца - област Враца", "Пещерата Понора е водна", 323},
    {"Приказна", "гр.Котел", "общ. Котел - област Сливен", "Приказна е хоризонтална пещера", 412},
    {"Съева дупка", "с. Брестница", "общ. Ябланица - област Ловеч", "Съева дупка е на около 3 км",
     566},
    {"Темната дупка", "гара Лакатник", "общ. Своге - област  София",
     "Темната дупка е в Лакатнишките", 543},
    {"Тизоин", "с.Гинци", "общ. Годеч - област  София", "Тизоин е водна пещера", 718},
    {"Ягодинска пещера", "с.Ягодина", "общ. Борино - област  Смолян", "Ягодинската пещера, по-рано",
     650},
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
    EXPECT_EQ(key.description(row).substr(0, expected.description_opening.size()),
              expected.description_opening);
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
    // Characters, not bytes: each byte of UTF-8 but a continuation byte (10xxxxxx) starts one.
    const double length = static_cast<double>(std::ranges::count_if(
        description, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
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
