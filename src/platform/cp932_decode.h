#pragma once

#include <string>
#include <string_view>

namespace peltarix {

// The UTF-8 text of CP932 (Shift-JIS as Windows writes it) bytes. A byte
// sequence that CP932 does not define becomes U+FFFD, one per byte, so that
// a damaged name still shows where it stands. Only pictures of a run use it:
// the CSV keeps the source's bytes.
std::string Utf8FromCp932(std::string_view cp932);

}  // namespace peltarix
