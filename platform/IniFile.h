// TIniFile: one INI file read and written through our INI text engine. The
// constructor touches nothing; the first ReadString or WriteString reads the
// file once, and every WriteString that changes something writes it once.
#pragma once
#include <optional>
#include <string>

#include "platform/IniText.h"

class TIniFile {
public:
    explicit TIniFile(std::string FileName) : FFileName(std::move(FileName)) {}

    const std::string& FileName() const { return FFileName; }

    // The key's value; Default when the file, the section or the key is
    // missing (a file that cannot be read counts as missing).
    std::string ReadString(const std::string& Section, const std::string& Key, const std::string& Default);

    // Sets the key, creating the file, the section or the key as needed and
    // keeping every other line. Throws PlatformError when the file cannot be
    // read or written; creates no folders.
    void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);

private:
    const TIniText& Text(bool ForWriting);

    std::string FFileName;
    std::optional<TIniText> FText;
};
