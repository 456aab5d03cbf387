// Sabrel: the HTML list exporter (list mode 1).
#include "listexport/ListExportEntry.h"
#include "plugin/Descriptors.h"
#include "plugin/PluginExports.h"

std::int32_t PLUGIN_CALL GetPluginInterfalce(void* Info) { return FillDescriptor(Info, SabrelInfo); }

std::int32_t PLUGIN_CALL ExecutePlugin(const char* Block, std::int32_t Size) { return ExecuteListExport(Block, Size, 1); }
