// The importer's share of ExecutePlugin: the import window on string 0.
#pragma once
#include <cstdint>

// Returns 0 when the output step ran, -1 otherwise.
std::int32_t ExecuteImport(const char* Block, std::int32_t BlockSize);
