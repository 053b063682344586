#pragma once

namespace peltarix {

// The application: shows the converter window modally and ends when it
// closes. Nothing is kept from one start to the next.
class ConverterApp {
 public:
  // Needs a QApplication. Returns the process's exit status, always 0: how
  // the window was closed does not matter.
  int InitInstance();
};

}  // namespace peltarix
