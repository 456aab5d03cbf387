// Move-only owners, one per release function. Release calls appear nowhere else.
#pragma once
#include <windows.h>

#include <utility>

template <typename T, T Empty, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T H) : FH(H) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& O) noexcept : FH(std::exchange(O.FH, Empty)) {}
    UniqueHandle& operator=(UniqueHandle&& O) noexcept {
        if (this != &O) { Reset(); FH = std::exchange(O.FH, Empty); }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T Get() const { return FH; }
    bool Valid() const { return Traits::Valid(FH); }
    explicit operator bool() const { return Valid(); }
    T Release() { return std::exchange(FH, Empty); }
    void Reset(T H = Empty) {
        if (Traits::Valid(FH)) Traits::Close(FH);
        FH = H;
    }

private:
    T FH = Empty;
};

struct FileHandleTraits {
    // CreateFile fails with INVALID_HANDLE_VALUE, other calls with NULL: both are empty.
    static bool Valid(HANDLE H) { return H != nullptr && H != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE H) { ::CloseHandle(H); }
};
struct FindHandleTraits {
    static bool Valid(HANDLE H) { return H != nullptr && H != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE H) { ::FindClose(H); }
};
struct ModuleTraits {
    static bool Valid(HMODULE H) { return H != nullptr; }
    static void Close(HMODULE H) { ::FreeLibrary(H); }
};
struct WindowTraits {
    static bool Valid(HWND H) { return H != nullptr; }
    static void Close(HWND H) { ::DestroyWindow(H); }
};
struct GdiObjectTraits {
    static bool Valid(HGDIOBJ H) { return H != nullptr; }
    static void Close(HGDIOBJ H) { ::DeleteObject(H); }
};
struct MenuTraits {
    static bool Valid(HMENU H) { return H != nullptr; }
    static void Close(HMENU H) { ::DestroyMenu(H); }
};
struct AcceleratorTraits {
    static bool Valid(HACCEL H) { return H != nullptr; }
    static void Close(HACCEL H) { ::DestroyAcceleratorTable(H); }
};

using FileHandle = UniqueHandle<HANDLE, nullptr, FileHandleTraits>;
using FindHandle = UniqueHandle<HANDLE, nullptr, FindHandleTraits>;
using ModuleHandle = UniqueHandle<HMODULE, nullptr, ModuleTraits>;
using WindowHandle = UniqueHandle<HWND, nullptr, WindowTraits>;
using GdiObject = UniqueHandle<HGDIOBJ, nullptr, GdiObjectTraits>;
using MenuHandle = UniqueHandle<HMENU, nullptr, MenuTraits>;
using AcceleratorHandle = UniqueHandle<HACCEL, nullptr, AcceleratorTraits>;
