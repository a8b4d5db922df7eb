#pragma once

// The quiz keeps its texts as UTF-8; Windows compares and shows them as UTF-16.
#include <string>
#include <string_view>

namespace quiz {

// Both throw std::runtime_error on text that is not valid in its encoding.
std::wstring to_utf16(std::string_view utf8);
std::string to_utf8(std::wstring_view utf16);

}  // namespace quiz
