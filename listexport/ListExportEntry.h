// The list exporters' share of ExecutePlugin: string 0 of the argument block
// names the favourites folder; the run writes the list and opens it.
#pragma once
#include <cstdint>

// Returns the value ExecutePlugin returns to the host.
std::int32_t ExecuteListExport(const char* Block, std::int32_t BlockSize, std::uint8_t ListMode);
