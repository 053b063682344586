#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/wide_arguments.h"
#include "win/converter_dialog.h"

namespace {

// "--fill SOURCE DEST" puts the two paths into the fields at start, for the
// window's tests; the program takes no other arguments.
std::optional<peltarix::win::InitialFields> FieldsFromArguments(int argc, char** argv) {
  const std::vector<std::string> arguments = peltarix::Utf8Arguments(argc, argv);
  if (arguments.size() == 4 && arguments[1] == "--fill") {
    return peltarix::win::InitialFields{arguments[2], arguments[3]};
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  peltarix::win::RunConverterDialog(GetModuleHandleW(nullptr), FieldsFromArguments(argc, argv));
  return 0;
}
