#include "quiz/utf16.h"

#include <windows.h>

#include <stdexcept>

namespace quiz {

std::wstring to_utf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int bytes = static_cast<int>(utf8.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), bytes, nullptr, 0);
  if (length == 0) throw std::runtime_error("Текстът не е в UTF-8");
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), bytes, wide.data(), length);
  return wide;
}

std::string to_utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int units = static_cast<int>(utf16.size());
  const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), units,
                                         nullptr, 0, nullptr, nullptr);
  if (length == 0) throw std::runtime_error("Текстът не е в UTF-16");
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), units, narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

}  // namespace quiz
