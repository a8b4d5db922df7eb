#pragma once

#include <cstdint>
#include <string_view>

namespace quiz {

// The wrong-answer count is a 16-bit signed number that stops with a failure instead of
// wrapping round.
using Count16 = std::int16_t;

// Adds one to `count`; throws std::overflow_error, naming `what`, instead of passing 32767.
Count16 checked_increment(Count16 count, std::string_view what);

}  // namespace quiz
