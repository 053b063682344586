#include "records/cp932_encode.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace peltarix {

#ifdef _WIN32

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const int utf8_size = static_cast<int>(utf8.size());
  const int wide_size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8_size, nullptr, 0);
  if (wide_size <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8_size, wide.data(),
                      wide_size);
  BOOL used_default = FALSE;
  const int cp932_size =
      WideCharToMultiByte(932, 0, wide.data(), wide_size, nullptr, 0, nullptr, &used_default);
  if (cp932_size <= 0 || used_default) return std::nullopt;
  std::string cp932(static_cast<std::size_t>(cp932_size), '\0');
  WideCharToMultiByte(932, 0, wide.data(), wide_size, cp932.data(), cp932_size, nullptr,
                      &used_default);
  if (used_default) return std::nullopt;
  return cp932;
}

#else

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(utf8);
  // Every UTF-8 character of one to four bytes becomes one or two CP932 bytes.
  std::string output(input.size() + 1, '\0');
  char* in = input.data();
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
  // A non-reversible conversion (a substituted character) is not a faithful one.
  if (result != 0) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

#endif

}  // namespace peltarix
