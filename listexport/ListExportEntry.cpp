// The list exporters' ExecutePlugin: string 0 is the favourites folder. A list
// file that cannot be written ends the run with one error box naming the file
// and the system's reason, and -1 to the host; nothing is thrown across.
#include "listexport/ListExportEntry.h"

#include <windows.h>

#include "listexport/ListLibrary.h"
#include "listexport/ListOutput.h"
#include "platform/FileIO.h"
#include "plugin/LibUnitShell.h"
#include "plugin/PluginCall.h"

std::int32_t ExecuteListExport(const char* Block, std::int32_t BlockSize, std::uint8_t ListMode) {
    return Guarded([&]() -> std::int32_t {
        TStringList args;
        if (!ReadArguments(Block, BlockSize, args)) return -1;
        try {
            std::string folder = GetTempFolder("", false);
            if (folder.empty())
                throw PlatformError("write", ListFileName("", args[0]), ERROR_PATH_NOT_FOUND,
                                    SystemErrorText(ERROR_PATH_NOT_FOUND));
            std::string outputFile = ListFileName(folder, args[0]);
            TListLibrary exporter(args[0], ListMode);
            exporter.Run(outputFile);
        } catch (const PlatformError& e) {
            std::string text = ListFileErrorText(e.Path(), e.Reason());
            ::MessageBoxA(nullptr, text.c_str(), ListFileErrorCaption, MB_ICONERROR | MB_OK | MB_TASKMODAL);
            return -1;
        }
        return 0;
    });
}
