#include "import/ImportEntry.h"

#include "plugin/PluginCall.h"

std::int32_t ExecuteImport(const char* Block, std::int32_t BlockSize) {
    return Guarded([&]() -> std::int32_t {
        TStringList args;
        if (!ReadArguments(Block, BlockSize, args)) return -1;
        return -1;  // the import window is wired in by the importer work
    });
}
