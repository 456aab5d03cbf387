// Tovane: the link-list importer.
#include "import/ImportEntry.h"
#include "plugin/Descriptors.h"
#include "plugin/PluginExports.h"

std::int32_t PLUGIN_CALL GetPluginInterfalce(void* Info) { return FillDescriptor(Info, TovaneInfo); }

std::int32_t PLUGIN_CALL ExecutePlugin(const char* Block, std::int32_t Size) { return ExecuteImport(Block, Size); }
