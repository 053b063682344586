#pragma once

// The plan's drawing list for the Win32 code: windows.h defines DrawText as
// a macro for DrawTextW, which would rename the drawing's text item.
#include <windows.h>
#undef DrawText

#include "preview/plan_drawing.h"
