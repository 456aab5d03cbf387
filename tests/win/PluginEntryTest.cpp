// The five DLLs as the host sees them: loaded, both exports found by ordinal
// and by name, called through stdcall pointers; the descriptor plughost prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "host/PluginLibrary.h"
#include "support/TestSupport.h"

namespace {

const char* const kPlugins[] = {"Wendrel", "Quimsby", "Dorrant", "Sabrel", "Tovane"};

using GetInfoFn = std::int32_t(__stdcall*)(void*);
using ExecuteFn = std::int32_t(__stdcall*)(const char*, std::int32_t);

TEST(PluginEntry, ExportsResolveByOrdinalAndByName) {
    for (const char* name : kPlugins) {
        SCOPED_TRACE(name);
        HMODULE module = ::LoadLibraryA((BinDir() + name + ".dll").c_str());
        ASSERT_NE(module, nullptr) << ::GetLastError();
        FARPROC byOrdinal1 = ::GetProcAddress(module, MAKEINTRESOURCEA(1));
        FARPROC byOrdinal10 = ::GetProcAddress(module, MAKEINTRESOURCEA(10));
        EXPECT_NE(byOrdinal1, nullptr);
        EXPECT_NE(byOrdinal10, nullptr);
        EXPECT_EQ(byOrdinal1, ::GetProcAddress(module, "GetPluginInterfalce"));
        EXPECT_EQ(byOrdinal10, ::GetProcAddress(module, "ExecutePlugin"));
        for (int ordinal = 2; ordinal <= 9; ++ordinal)
            EXPECT_EQ(::GetProcAddress(module, MAKEINTRESOURCEA(ordinal)), nullptr) << "ordinal " << ordinal;

        std::array<unsigned char, 204> buffer;
        buffer.fill(0xAA);
        auto getInfo = reinterpret_cast<GetInfoFn>(reinterpret_cast<void*>(byOrdinal1));
        EXPECT_EQ(getInfo(buffer.data()), 0);
        EXPECT_EQ(buffer[54], 0xAA);
        EXPECT_EQ(buffer[195], 0xAA);

        // No string 0: nothing to run on, and nothing may crash.
        auto execute = reinterpret_cast<ExecuteFn>(reinterpret_cast<void*>(byOrdinal10));
        const char empty[2] = {0, 0};
        EXPECT_EQ(execute(empty, 2), -1);
        EXPECT_EQ(execute(nullptr, 0), -1);
        ::FreeLibrary(module);
    }
}

// plughost prints exactly the bytes ordinal 1 writes over a 0xAA buffer (the
// bytes themselves are pinned field by field by the native descriptor test).
TEST(PluginEntry, PlughostDescribeRawShowsTheDescriptor) {
    for (const char* name : kPlugins) {
        SCOPED_TRACE(name);
        PluginLibrary plugin(BinDir() + name + ".dll");
        ASSERT_TRUE(plugin.Usable()) << plugin.Error();
        DWORD code = 99;
        std::string out = ReadProcessOutput("\"" + BinDir() + "plughost.exe\" describe --raw \"" + BinDir() + name + ".dll\"", &code);
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(out, HexDump(plugin.Describe()));
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 13);
    }
}

TEST(PluginEntry, PlughostRejectsWhatIsNoPlugin) {
    // A file that is missing cannot load; a program has no plug-in exports.
    DWORD code = 0;
    ReadProcessOutput("\"" + BinDir() + "plughost.exe\" describe \"" + BinDir() + "missing.dll\"", &code);
    EXPECT_EQ(code, 2u);
    ReadProcessOutput("\"" + BinDir() + "plughost.exe\" run \"" + BinDir() + "recorder.exe\" C:\\", &code);
    EXPECT_EQ(code, 2u);
}

}  // namespace
