#pragma once

namespace peltarix::win {

// Starts GDI+ on the first call; it stays up until the process ends. Every
// use of GDI+ (the preview's painting, the PNG encoder) calls this first.
void StartGdiplus();

}  // namespace peltarix::win
