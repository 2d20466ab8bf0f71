#pragma once
// A run-time error as the VB6 runtime raises it: a number, a source and a description.
// Every layer (object model, engine, runtime) throws this one type; handlers read the three
// values and never show what() to the user.

#include <stdexcept>
#include <string>

struct ErrorVB : std::runtime_error {
    long Number;
    std::string Source;
    std::string Description;

    ErrorVB(long number, std::string source, std::string description)
        : std::runtime_error(description), Number(number), Source(std::move(source)),
          Description(std::move(description)) {}
};

// Every error number this system raises itself, as the VB6 runtime and the development
// environment number them: the object model, the engine, the runtime and the command line.
namespace vberr {
inline constexpr long InvalidProcedureCall = 5;
inline constexpr long Overflow = 6;
inline constexpr long OutOfMemory = 7;
inline constexpr long SubscriptOutOfRange = 9;
inline constexpr long TypeMismatch = 13;
inline constexpr long ProcedureNotFound = 35; // "Sub or Function not defined"
inline constexpr long InternalError = 51;
inline constexpr long FileNotFound = 53;
inline constexpr long FileAlreadyOpen = 55;
inline constexpr long FileAlreadyExists = 58;
inline constexpr long DiskFull = 61;
inline constexpr long PermissionDenied = 70;
inline constexpr long PathFileAccessError = 75;
inline constexpr long PathNotFound = 76;
inline constexpr long ObjectNotSet = 91; // "Object variable or With block variable not set"
inline constexpr long InvalidFileFormat = 321;
inline constexpr long ObjectRequired = 424;
inline constexpr long NameConflict = 32813; // "Name conflicts with existing module"
} // namespace vberr
