#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quiz {

// Entries of lists and rows of the answer key are numbered from 0 by 16-bit signed indexes.
using ListIndex = std::int16_t;

// The index a list reports when nothing is selected.
inline constexpr ListIndex no_selection = -1;

// What the failures name: any list of the window, and the answer key.
inline constexpr std::string_view list_name = "Списък";
inline constexpr std::string_view answer_key_name = "Ключ с отговорите";

// Throws std::out_of_range, naming `what`, unless 0 <= index < count.
void check_index(ListIndex index, std::size_t count, std::string_view what);

// Converts a size to a list index; throws std::overflow_error when it does not fit.
ListIndex to_list_index(std::size_t size, std::string_view what);

}  // namespace quiz
