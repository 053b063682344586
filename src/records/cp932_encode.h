#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace peltarix {

// The CP932 (Shift-JIS as Windows writes it) bytes of a UTF-8 text; empty
// when the text is not valid UTF-8 or holds a character that CP932 cannot
// write. Used once, to derive the bytes of texts that the source keeps
// legible in UTF-8; this is the one platform-dependent piece of that.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);

}  // namespace peltarix
