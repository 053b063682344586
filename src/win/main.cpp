#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/wide_arguments.h"
#include "win/converter_dialog.h"

namespace {

// `peltarix.exe [QVファイル]`: a source named on the command line (as the
// shell's "open with" and a file dropped on the program's icon give it)
// fills the source field. "--fill SOURCE DEST" also types the CSV path and
// puts the focus on 実行, for the window's tests.
peltarix::win::StartFields FieldsFromArguments(int argc, char** argv) {
  const std::vector<std::string> arguments = peltarix::Utf8Arguments(argc, argv);
  peltarix::win::StartFields fields;
  if (arguments.size() == 4 && arguments[1] == "--fill") {
    fields.source_path = arguments[2];
    fields.destination_path = arguments[3];
  } else if (arguments.size() == 2 && !arguments[1].starts_with("-")) {
    fields.source_path = arguments[1];
  }
  return fields;
}

}  // namespace

int main(int argc, char** argv) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  peltarix::win::RunConverterDialog(GetModuleHandleW(nullptr), FieldsFromArguments(argc, argv));
  return 0;
}
