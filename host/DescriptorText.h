// What the host makes of a descriptor record: its fields, checked, and the
// texts the command line prints. Pure code.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plugin/KeshPlugins.h"

using DescriptorBytes = std::array<unsigned char, descriptor::Size>;

struct DecodedDescriptor {
    std::int32_t Number1 = 0, Number2 = 0, Number3 = 0, Number4 = 0, Number5 = 0;
    std::string PluginName, MenuCaption, Description;  // code page 932
    std::string Problem;  // empty when the record is usable
};

// Reads the fields; a text field without a NUL inside its width makes the
// record unusable (Problem says which field).
DecodedDescriptor DecodeDescriptor(const DescriptorBytes& Bytes);

// Lowercase hex, 16 bytes a line, no offsets.
std::string HexDump(const DescriptorBytes& Bytes);

// The argument block exactly as the host builds it: each string followed by
// NUL, then one more NUL.
std::vector<char> BuildArgumentBlock(const std::vector<std::string>& Strings);
