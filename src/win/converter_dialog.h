#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace peltarix::win {

// What the window starts with.
struct StartFields {
  // A source named on the command line: fills the source field (made
  // absolute), and the CSV field takes its proposal.
  std::string source_path;
  // Test only ("--fill"): a CSV path typed into its field, with the focus
  // on "実行" so that a key press starts the run.
  std::optional<std::string> destination_path;
};

// Shows the converter window modally until it is closed.
void RunConverterDialog(HINSTANCE instance, const StartFields& fields);

}  // namespace peltarix::win
