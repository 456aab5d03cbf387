// The one error type that platform/ raises where the original class library
// raised one: a file that cannot be read, written or created, a folder that
// cannot be made. It carries the operation, the path and the system's reason.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

class PlatformError : public std::runtime_error {
public:
    PlatformError(std::string Operation, std::string Path, std::uint32_t Code, std::string Reason)
        : std::runtime_error(Operation + " " + Path + ": " + Reason),
          FOperation(std::move(Operation)), FPath(std::move(Path)), FCode(Code), FReason(std::move(Reason)) {}

    const std::string& Operation() const { return FOperation; }
    const std::string& Path() const { return FPath; }
    std::uint32_t Code() const { return FCode; }   // GetLastError() right after the failing call
    const std::string& Reason() const { return FReason; }  // the system's message text (code page 932)

private:
    std::string FOperation;
    std::string FPath;
    std::uint32_t FCode;
    std::string FReason;
};
