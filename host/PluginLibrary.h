// One plug-in DLL loaded the way the host loads it: by its two ordinals.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/DescriptorText.h"
#include "platform/Handles.h"

class PluginLibrary {
public:
    // Loads the DLL and resolves ordinals 1 and 10; on failure Error() says why.
    explicit PluginLibrary(const std::string& Path);

    bool Usable() const { return FError.empty(); }
    const std::string& Error() const { return FError; }

    // The 204 bytes after ordinal 1 filled a buffer pre-set to 0xAA.
    DescriptorBytes Describe() const;

    // Calls ordinal 10 with the block built from Strings, on this thread.
    std::int32_t Execute(const std::vector<std::string>& Strings) const;

private:
    using GetInfoFn = std::int32_t(__stdcall*)(void*);
    using ExecuteFn = std::int32_t(__stdcall*)(const char*, std::int32_t);

    ModuleHandle FModule;
    GetInfoFn FGetInfo = nullptr;
    ExecuteFn FExecute = nullptr;
    std::string FError;
};
