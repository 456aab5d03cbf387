#include "host/PluginLibrary.h"

#include <windows.h>

#include "platform/FileIO.h"

PluginLibrary::PluginLibrary(const std::string& Path) {
    // No error boxes from the loader: a broken file is reported, not shown.
    UINT old = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    FModule.Reset(::LoadLibraryA(Path.c_str()));
    DWORD code = ::GetLastError();
    ::SetErrorMode(old);
    if (!FModule) {
        FError = "cannot load " + Path + ": " + SystemErrorText(code);
        return;
    }
    FGetInfo = reinterpret_cast<GetInfoFn>(reinterpret_cast<void*>(::GetProcAddress(FModule.Get(), MAKEINTRESOURCEA(1))));
    FExecute = reinterpret_cast<ExecuteFn>(reinterpret_cast<void*>(::GetProcAddress(FModule.Get(), MAKEINTRESOURCEA(10))));
    if (FGetInfo == nullptr) FError = Path + " has no export at ordinal 1";
    else if (FExecute == nullptr) FError = Path + " has no export at ordinal 10";
}

DescriptorBytes PluginLibrary::Describe() const {
    DescriptorBytes bytes;
    bytes.fill(0xAA);
    FGetInfo(bytes.data());
    return bytes;
}

std::int32_t PluginLibrary::Execute(const std::vector<std::string>& Strings) const {
    std::vector<char> block = BuildArgumentBlock(Strings);
    return FExecute(block.data(), static_cast<std::int32_t>(block.size()));
}
