#include "import/ImportEntry.h"

#include "import/TransferURL.h"
#include "plugin/PluginCall.h"

std::int32_t ExecuteImport(const char* Block, std::int32_t BlockSize) {
    return Guarded([&]() -> std::int32_t {
        TStringList args;
        if (!ReadArguments(Block, BlockSize, args)) return -1;
        // The window and all it owns (its classes included) are gone when
        // this scope ends.
        TTransToURL form(nullptr);
        return form.Execute(args[0], "取り込んだお気に入り") ? 0 : -1;
    });
}
