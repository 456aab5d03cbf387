// Declares the two exports with C linkage; each deliverable's entry module
// defines them. plugin/Plugin.def fixes their ordinals (1 and 10).
#pragma once
#include <cstdint>

#include "plugin/PluginCall.h"

extern "C" {
std::int32_t PLUGIN_CALL GetPluginInterfalce(void* Info);
std::int32_t PLUGIN_CALL ExecutePlugin(const char* Block, std::int32_t BlockSize);
}
