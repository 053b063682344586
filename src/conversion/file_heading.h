#pragma once

#include <string>
#include <string_view>

namespace peltarix {

// The line that opens a file's transcript in every front end, naming the
// source and the destination as the user gave them (as ShownPath shows
// them), e.g.
// "QVファイル：house.QV → CSVファイル：house.csv".
std::string FileHeadingLine(std::string_view source_name, std::string_view destination_name);

}  // namespace peltarix
