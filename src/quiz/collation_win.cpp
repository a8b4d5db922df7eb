#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "quiz/collation.h"
#include "quiz/utf16.h"

namespace quiz {

namespace {

// Bulgarian as Windows names it.
constexpr wchar_t bulgarian[] = L"bg-BG";
// Case ignored by the language's own rules; hyphens and apostrophes sort as punctuation, as
// ICU's do, instead of being nearly ignored ("word sort").
constexpr DWORD order_flags = LINGUISTIC_IGNORECASE | SORT_STRINGSORT;

}  // namespace

struct BulgarianCollation::Platform {};

BulgarianCollation::BulgarianCollation() : platform_(std::make_unique<Platform>()) {
  if (!IsValidLocaleName(bulgarian)) {
    throw std::runtime_error("Windows няма данни за българската азбучна подредба");
  }
}

BulgarianCollation::~BulgarianCollation() = default;

bool BulgarianCollation::less(std::string_view a, std::string_view b) const {
  const std::wstring first = to_utf16(a);
  const std::wstring second = to_utf16(b);
  const int order =
      CompareStringEx(bulgarian, order_flags, first.data(), static_cast<int>(first.size()),
                      second.data(), static_cast<int>(second.size()), nullptr, nullptr, 0);
  if (order == 0) {
    throw std::runtime_error("Текстовете не могат да се сравнят (Windows: грешка " +
                             std::to_string(GetLastError()) + ")");
  }
  return order == CSTR_LESS_THAN;
}

}  // namespace quiz
