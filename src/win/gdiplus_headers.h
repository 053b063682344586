#pragma once

// GDI+ in the order its header needs: IStream comes from objidl.h, which
// windows.h leaves out under WIN32_LEAN_AND_MEAN.
#include <windows.h>
// after windows.h
#include <objidl.h>
// after objidl.h
#include <gdiplus.h>
