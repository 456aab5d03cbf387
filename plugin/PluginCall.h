// The calling convention of the two exports and the boundary they share: no
// C++ exception may cross into the host, so every export body runs in Guarded.
#pragma once
#include <cstdint>
#include <exception>

#include "platform/StringList.h"
#include "plugin/KeshPlugins.h"

// The one calling-convention macro: stdcall on the 32-bit build (on Win64
// there is only one convention and the keyword is ignored).
#define PLUGIN_CALL __stdcall

// Runs Body and returns its result; any exception becomes Failure.
template <typename F>
std::int32_t Guarded(F&& Body, std::int32_t Failure = -1) noexcept {
    try {
        return Body();
    } catch (...) {
        return Failure;
    }
}

// What every ExecutePlugin does first: split the block; an empty list (no
// string 0) means there is nothing to run on.
inline bool ReadArguments(const char* Block, std::int32_t BlockSize, TStringList& Args) {
    SplitArgumentBlock(Block, BlockSize, Args);
    return Args.Count() > 0;
}

// The body of every GetPluginInterfalce: fill the host's record, answer 0.
inline std::int32_t FillDescriptor(void* Info, const TPluginInfo& Values) {
    WritePluginDescriptor(static_cast<unsigned char*>(Info), Values);
    return 0;
}
