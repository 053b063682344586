#pragma once

#include <string>
#include <string_view>

namespace peltarix {

// Conversions at the edge to the wide Win32 API: the program's texts are
// UTF-8, Windows speaks UTF-16. Invalid sequences become U+FFFD.
std::wstring Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::wstring_view utf16);

}  // namespace peltarix
