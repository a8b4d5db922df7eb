#include "quiz/collation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "doubles/memory_controls.h"
#include "quiz/cave_rows.h"

namespace {

using quiz::BulgarianCollation;
using quiz::ListIndex;

struct OrderCase {
  std::string_view first;
  std::string_view second;
  bool first_before_second;
};

// The platforms agree on Bulgarian text but not on where Latin letters go: ICU's Bulgarian
// order puts Cyrillic first, Windows' puts Latin first. No list of the program holds Latin.
#ifdef _WIN32
constexpr bool cyrillic_before_latin = false;
#else
constexpr bool cyrillic_before_latin = true;
#endif

TEST(BulgarianCollation, OrdersByTheBulgarianAlphabetIgnoringCase) {
  const BulgarianCollation collation;
  const OrderCase cases[] = {
      {"а", "Б", true},  // case does not decide the letter order
      {"Б", "а", false},
      {"баня", "БАНЯ", false},  // equal apart from case
      {"БАНЯ", "баня", false},
      {"Ъглен", "Ябълково", true},  // Ъ and Ь sit where the Bulgarian alphabet has them
      {"Ябълково", "Ahtopol", cyrillic_before_latin},
      {"с. Брестница", "с.Боснек", true},  // a space counts, and sorts before letters
      {"гара Орешец", "гр.Враца", true},   // punctuation counts too
      {"с.Черни Осъм", "с.Чирен", true},
      {"Маноилова дупка", "Марина дупка", true},
  };
  for (const OrderCase& c : cases) {
    EXPECT_EQ(collation.less(c.first, c.second), c.first_before_second)
        << c.first << " / " << c.second;
  }
}

TEST(BulgarianCollation, InsertPositionGoesAfterEqualEntries) {
  const BulgarianCollation collation;
  const std::vector<std::string> entries = {"Бачо Киро", "беляр", "Врелото"};
  const auto text_at = [&](ListIndex i) { return entries[static_cast<std::size_t>(i)]; };
  EXPECT_EQ(collation.insert_position("Балабанова дупка", 3, text_at), 0);
  EXPECT_EQ(collation.insert_position("БЕЛЯР", 3, text_at), 2);
  EXPECT_EQ(collation.insert_position("Ягодинска пещера", 3, text_at), 3);
  EXPECT_EQ(collation.insert_position("Беляр", 0, text_at), 0);
}

TEST(BulgarianCollation, SortsTheKeysSettlementsIntoTheirFixedOrder) {
  const std::array<std::string_view, 31> expected = {
      "гара Лакатник", "гара Орешец",     "гр.Враца",    "гр.Дряново",   "гр.Котел",
      "гр.Перник",     "гр.Ракитово",     "гр.Твърдица", "гр.Шумен",     "м. \"Бъндерица\"",
      "с. Брестница",  "с.Боснек",        "с.Гела",      "с.Генчовци",   "с.Гинци",
      "с.Гложене",     "с.Горно Озирово", "с.Деветаки",  "с.Емен",       "с.Зимевица",
      "с.Карлуково",   "с.Комщица",       "с.Крушуна",   "с.Микре",      "с.Пепелина",
      "с.Рабиша",      "с.Рибново",       "с.Церово",    "с.Черни Осъм", "с.Чирен",
      "с.Ягодина"};
  const BulgarianCollation collation;
  quiz::MemoryList list(collation);
  const quiz::AnswerKey key = quiz::cave_key();
  // Added in key order, which is far from the settlements' own order.
  for (ListIndex row = 0; row < key.row_count(); ++row) list.add_item(key.settlement(row));
  ASSERT_EQ(list.items().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(list.items()[i], expected[i]) << i;
}

}  // namespace
