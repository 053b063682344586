#pragma once

#include <string>
#include <string_view>

namespace peltarix {

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// A path as a picture or a report names it: UTF-8 as it stands; a name that
// is not UTF-8 (one copied from a Windows archive keeps its CP932 bytes) is
// decoded from CP932, a byte CP932 does not define becoming U+FFFD.
std::string DecodedPath(std::string_view path);

// DecodedPath for a line of the log or the terminal: control characters are
// written as \xNN (C0 and DEL) or \u00NN (C1), so that a name can neither
// break a line nor send an escape sequence to the terminal.
std::string ShownPath(std::string_view path);

// The bytes of `path` in lower-case hexadecimal, two digits a byte: the name
// exactly as the system spells it, for a script to open the file.
std::string HexBytes(std::string_view path);

}  // namespace peltarix
