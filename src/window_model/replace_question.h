#pragma once

#include <string>
#include <string_view>

namespace peltarix {

class WindowView;

// The question before an existing file is replaced: "path は既にあります。
// 置き換えますか？".
std::string ReplaceQuestion(std::string_view path);

// The windows' one rule before writing a file: a path the user confirmed
// (in a Save dialog, which asks itself, or by an earlier はい) is written;
// otherwise an existing file is replaced only when the user answers はい,
// いいえ being the default. True when `path` may be written.
bool MayReplace(WindowView& view, std::string_view path, bool confirmed);

}  // namespace peltarix
