#include "quiz/list_index.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace quiz {

void check_index(ListIndex index, std::size_t count, std::string_view what) {
  if (index < 0 || static_cast<std::size_t>(index) >= count) {
    throw std::out_of_range(std::string(what) + ": няма елемент с индекс " + std::to_string(index) +
                            " (елементите са " + std::to_string(count) + ")");
  }
}

ListIndex to_list_index(std::size_t size, std::string_view what) {
  if (size > static_cast<std::size_t>(std::numeric_limits<ListIndex>::max())) {
    throw std::overflow_error(std::string(what) + ": повече от 32767 елемента");
  }
  return static_cast<ListIndex>(size);
}

}  // namespace quiz
