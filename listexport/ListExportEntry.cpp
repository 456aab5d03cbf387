#include "listexport/ListExportEntry.h"

#include "plugin/PluginCall.h"

std::int32_t ExecuteListExport(const char* Block, std::int32_t BlockSize, std::uint8_t ListMode) {
    return Guarded([&]() -> std::int32_t {
        TStringList args;
        if (!ReadArguments(Block, BlockSize, args)) return -1;
        (void)ListMode;  // the exporter run is wired in by the list export work
        return 0;
    });
}
