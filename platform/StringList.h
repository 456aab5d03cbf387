// TStringList: an ordered list of code page 932 texts, duplicates allowed.
// The list itself is pure; SaveToFile / LoadFromFile live in StringListFile.cpp,
// which is Windows-bound (the header stays free of <windows.h>).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TStringList {
public:
    void Add(std::string S) { FItems.push_back(std::move(S)); }
    void AddStrings(const TStringList& Other) { FItems.insert(FItems.end(), Other.FItems.begin(), Other.FItems.end()); }
    void Clear() { FItems.clear(); }
    std::size_t Count() const { return FItems.size(); }
    const std::string& operator[](std::size_t I) const { return FItems[I]; }
    std::string& operator[](std::size_t I) { return FItems[I]; }
    void Exchange(std::size_t A, std::size_t B) { std::swap(FItems[A], FItems[B]); }

    const std::vector<std::string>& Items() const { return FItems; }
    std::vector<std::string>& Items() { return FItems; }

    // Every line followed by CR LF, the last one too.
    std::string Text() const;
    // Splits at CR LF, lone CR or lone LF; a final line break adds no empty line.
    void SetText(std::string_view Text);

    // Creates or truncates the file and writes Text() with one call; throws
    // PlatformError when the file cannot be created or written.
    void SaveToFile(const std::string& FileName) const;
    // Reads the whole file and SetText()s it; throws PlatformError on failure.
    void LoadFromFile(const std::string& FileName);

private:
    std::vector<std::string> FItems;
};
