#include "quiz/checked_count.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace quiz {

Count16 checked_increment(Count16 count, std::string_view what) {
  if (count == std::numeric_limits<Count16>::max()) {
    throw std::overflow_error(std::string(what) + ": броячът не може да надхвърли 32767");
  }
  return static_cast<Count16>(count + 1);
}

}  // namespace quiz
