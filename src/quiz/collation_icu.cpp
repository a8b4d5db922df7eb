#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "quiz/collation.h"

namespace quiz {

struct BulgarianCollation::Platform {
  std::unique_ptr<icu::Collator> collator;
};

BulgarianCollation::BulgarianCollation() : platform_(std::make_unique<Platform>()) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator>& collator = platform_->collator;
  collator.reset(icu::Collator::createInstance(icu::Locale("bg", "BG"), status));
  // A fallback to the root locale would sort, but not by the Bulgarian alphabet.
  if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING) {
    throw std::runtime_error(std::string("Няма данни за българската азбучна подредба (ICU: ") +
                             u_errorName(status) + ")");
  }
  // Secondary strength: letters and accents count, upper and lower case do not.
  collator->setStrength(icu::Collator::SECONDARY);
  // Spaces and punctuation take part in the order: "с. Брестница" comes before "с.Боснек".
  collator->setAttribute(UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(
        std::string("Българската азбучна подредба не може да се настрои (ICU: ") +
        u_errorName(status) + ")");
  }
}

BulgarianCollation::~BulgarianCollation() = default;

bool BulgarianCollation::less(std::string_view a, std::string_view b) const {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult order = platform_->collator->compareUTF8(
      icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
      icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("Текстовете не могат да се сравнят (ICU: ") +
                             u_errorName(status) + ")");
  }
  return order == UCOL_LESS;
}

}  // namespace quiz
