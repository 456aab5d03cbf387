// The plug-in interface that all five deliverables share: the descriptor
// record the host hands to ordinal 1, and the split of the argument block that
// it hands to ordinal 10. Pure code: no Windows types.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/StringList.h"

// What one deliverable puts into its descriptor.
struct TPluginInfo {
    std::int32_t Number1;
    const char* PluginName;   // at most 49 bytes
    std::int32_t Number2;
    std::int32_t Number3;
    const char* MenuCaption;  // at most 49 bytes
    const char* Description;  // at most 79 bytes
    std::int32_t Number4;
    std::int32_t Number5;
};

// Layout of the 204-byte record the host owns.
namespace descriptor {
constexpr std::size_t Size = 204;
constexpr std::size_t Number1 = 0;
constexpr std::size_t PluginName = 4, PluginNameWidth = 50;
constexpr std::size_t Number2 = 56;
constexpr std::size_t Number3 = 60;
constexpr std::size_t MenuCaption = 64, MenuCaptionWidth = 50;
constexpr std::size_t Description = 114, DescriptionWidth = 80;
constexpr std::size_t Number4 = 196;
constexpr std::size_t Number5 = 200;
}  // namespace descriptor

// Writes every field of the descriptor at Info (numbers little-endian, texts
// NUL-filled to their full width) and leaves the gaps at 54-55 and 194-195 alone.
void WritePluginDescriptor(unsigned char* Info, const TPluginInfo& Values);

// Appends the NUL-ended strings of the block to List; an empty string ends the
// sequence and bytes after the last NUL are dropped.
void SplitArgumentBlock(const char* Block, std::int32_t BlockSize, TStringList& List);
