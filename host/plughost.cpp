// plughost: a stand-in for the host browser. It loads a plug-in DLL by its two
// ordinals, reads its descriptor and calls ExecutePlugin on this (UI) thread,
// exactly as the host does.
//   plughost describe [--raw] PLUGIN.dll
//   plughost run PLUGIN.dll STRING0 [STRING...]
//   plughost [--gui [FAVORITES]] [--plugins DIR]   the host window
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/DescriptorText.h"
#include "host/HostWindow.h"
#include "host/PluginLibrary.h"

namespace {

// Code page 932 bytes to UTF-8 for the terminal.
std::string ToUtf8(const std::string& Text) {
    if (Text.empty()) return Text;
    int wide = ::MultiByteToWideChar(932, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
    std::wstring w(wide, L'\0');
    ::MultiByteToWideChar(932, 0, Text.data(), static_cast<int>(Text.size()), &w[0], wide);
    int narrow = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(narrow, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

void Print(const std::string& Text) { std::fwrite(Text.data(), 1, Text.size(), stdout); }

int Usage() {
    std::fputs("usage: plughost describe [--raw] PLUGIN.dll\n       plughost run PLUGIN.dll STRING0 [STRING...]\n"
               "       plughost [--gui [FAVORITES]] [--plugins DIR]\n",
               stderr);
    return 2;
}

int Fail(const std::string& Message) {
    std::fprintf(stderr, "plughost: %s\n", ToUtf8(Message).c_str());
    return 2;
}

int Describe(const std::string& Path, bool Raw) {
    PluginLibrary plugin(Path);
    if (!plugin.Usable()) return Fail(plugin.Error());
    DescriptorBytes bytes = plugin.Describe();
    if (Raw) {
        Print(HexDump(bytes));
        return 0;
    }
    DecodedDescriptor d = DecodeDescriptor(bytes);
    std::printf("Number1: %d\n", static_cast<int>(d.Number1));
    Print("PluginName: " + ToUtf8(d.PluginName) + "\n");
    std::printf("Number2: %d\nNumber3: %d\n", static_cast<int>(d.Number2), static_cast<int>(d.Number3));
    Print("MenuCaption: " + ToUtf8(d.MenuCaption) + "\n");
    Print("Description: " + ToUtf8(d.Description) + "\n");
    std::printf("Number4: %d\nNumber5: %d\n", static_cast<int>(d.Number4), static_cast<int>(d.Number5));
    if (!d.Problem.empty()) return Fail(d.Problem);
    return 0;
}

int Run(const std::string& Path, const std::vector<std::string>& Strings) {
    PluginLibrary plugin(Path);
    if (!plugin.Usable()) return Fail(plugin.Error());
    std::int32_t result = plugin.Execute(Strings);
    std::printf("result: %d\n", static_cast<int>(result));
    return 0;
}

// The folder plughost.exe is in: where the browser keeps its plug-ins too.
std::string OwnFolder() {
    char path[MAX_PATH] = "";
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, n);
    std::size_t slash = p.rfind('\\');
    return slash == std::string::npos ? "." : p.substr(0, slash);
}

int Gui(const std::vector<std::string>& Args) {
    std::string plugins = OwnFolder(), favorites;
    bool haveFavorites = false;
    for (std::size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "--plugins" && i + 1 < Args.size()) {
            plugins = Args[++i];
        } else if (Args[i] == "--gui") {
            if (i + 1 < Args.size() && Args[i + 1].compare(0, 2, "--") != 0) {
                favorites = Args[++i];
                haveFavorites = true;
            }
        } else {
            return Usage();
        }
    }
    if (!haveFavorites) favorites = ShellFavoritesFolder();
    try {
        HostWindow window(plugins, favorites);
        window.Run();
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Bytes out as they are: no CR added before LF.
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "describe") {
        bool raw = args[1] == "--raw";
        if (raw && args.size() != 3) return Usage();
        if (!raw && args.size() != 2) return Usage();
        return Describe(args.back(), raw);
    }
    if (args.size() >= 3 && args[0] == "run") {
        return Run(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    if (args.empty() || args[0] == "--gui" || args[0] == "--plugins") return Gui(args);
    return Usage();
}
