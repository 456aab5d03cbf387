// The HINSTANCE of the module this code is linked into: the DLL inside a
// plug-in, the program in a test. Window classes are registered under it so
// that an unloaded DLL leaves none behind under the host's instance.
#pragma once
#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

inline HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }
