#include "platform/WindowClass.h"

#include "platform/FileIO.h"
#include "platform/FilePath.h"
#include "platform/ModuleInstance.h"

std::string ModuleBaseName() {
    std::string path(MAX_PATH, '\0');
    DWORD n = ::GetModuleFileNameA(ModuleInstance(), &path[0], static_cast<DWORD>(path.size()));
    path.resize(n < path.size() ? n : 0);
    std::string name = ExtractFileName(path);
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name.empty() ? std::string("Kesh") : name;
}

TWindowClassUse::TWindowClassUse(const std::string& Name, WNDPROC Proc, HCURSOR Cursor, HBRUSH Background,
                                 UINT Style)
    : FClassName(ModuleBaseName() + "." + Name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = Style;
    wc.lpfnWndProc = Proc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = Cursor;
    wc.hbrBackground = Background;
    wc.lpszClassName = FClassName.c_str();
    if (!::RegisterClassExA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        RaiseLastError("RegisterClassEx", FClassName);
}

TWindowClassUse::~TWindowClassUse() { ::UnregisterClassA(FClassName.c_str(), ModuleInstance()); }
