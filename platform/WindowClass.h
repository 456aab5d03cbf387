// Window class registration under the module's own HINSTANCE. The class name
// carries the module's file name ("Tovane.Splitter"), so the host's classes
// and ours never meet. Every window object holds one TWindowClassUse; the last
// one to go unregisters the class, so an unloaded DLL leaves no class behind
// that points at freed code.
#pragma once
#include <windows.h>

#include <string>

class TWindowClassUse {
public:
    // Registers Name (prefixed) with Proc unless it already is; throws
    // PlatformError when registration fails for another reason.
    TWindowClassUse(const std::string& Name, WNDPROC Proc, HCURSOR Cursor, HBRUSH Background, UINT Style = 0);
    // Unregisters; fails quietly while other windows of the class remain.
    ~TWindowClassUse();
    TWindowClassUse(const TWindowClassUse&) = delete;
    TWindowClassUse& operator=(const TWindowClassUse&) = delete;

    const std::string& ClassName() const { return FClassName; }

private:
    std::string FClassName;
};

// The module's file name without folder and extension: the class prefix.
std::string ModuleBaseName();
