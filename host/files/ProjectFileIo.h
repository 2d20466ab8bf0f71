#pragma once
// Reading whole files, noting what a file looked like when it was read, and turning system errors
// into the run-time errors the add-in shows.

#include "base/ErrorVB.h"
#include "base/plataforma/Estado.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The largest project, group or module file that is read: far above any real one, and small
// enough that reading it cannot exhaust the memory of a run that holds many.
inline constexpr std::uintmax_t kLargestSourceFile = std::uintmax_t(64) << 20;

// The whole file; ErrorVB 53 when missing, 75/70 when it cannot be read. Only a regular file is
// opened: a folder, a FIFO (which would wait for a writer) or a device (which may never end) is
// refused naming what it is, and so is a file larger than `largest` (ErrorVB 321). No memory
// for it: ErrorVB 7 naming it.
std::string ReadWhole(const std::filesystem::path& path,
                      std::uintmax_t largest = std::numeric_limits<std::uintmax_t>::max());

struct FileStamp;

// The same, and `seen` gets the file as it was opened, before a byte was read, with the hash of
// the bytes read: a stamp that can tell a later change without reading the file again.
std::string ReadWhole(const std::filesystem::path& path, FileStamp& seen,
                      std::uintmax_t largest = std::numeric_limits<std::uintmax_t>::max());

// The first `limit` bytes of the file (all of it when shorter); `seen` gets the size and time
// it had then (its hash is left alone). Errors as ReadWhole.
std::string ReadHead(const std::filesystem::path& path, std::size_t limit, FileStamp& seen,
                     std::uintmax_t largest = std::numeric_limits<std::uintmax_t>::max());

// What a file looked like when read, to tell later whether someone else changed it.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t mtimeNs = 0;
    std::uint64_t hash = 0;
    // The file as the system knows it (ReadWhole with a stamp only): its change time, which
    // every write and every change of its times moves and no program can set back, and the
    // file itself. `settled`: that change time was well behind the clock when the file was
    // opened, so any change since has given it another; without it only the bytes can tell.
    std::int64_t ctimeNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool settled = false;

    static std::uint64_t HashOf(std::string_view bytes);
    // The stamp of a file just read (or written) with these bytes.
    static FileStamp Of(const std::filesystem::path& path, std::string_view bytes);
    // Takes the modification time again, after the file was written.
    void Refresh(const std::filesystem::path& path);
    // True when the file is gone or no longer holds what the stamp recorded. Same size and time
    // count as unchanged unless `everyByte`: a write within the clock's tick of the one before
    // leaves the time as it was, and only the bytes then tell. A settled stamp tells without
    // the bytes: the same file, size, times and change time.
    bool ChangedOnDisk(const std::filesystem::path& path, bool everyByte = false) const;
};

// Refuses, before anything is written, a write that would lose someone's work or cannot succeed:
// ErrorVB 58 when the file changed on disk since `stamp` was taken, or exists though the model
// never read it (unless `overwrite`); ErrorVB 70 for a read-only file or folder, ErrorVB 75
// when the folder is a file. `everyByte` as for ChangedOnDisk.
void CheckWritable(const std::filesystem::path& target, const std::optional<FileStamp>& stamp,
                   bool overwrite, bool everyByte = false);

// What a file that is not a regular one is: "es una carpeta", "es una tubería (FIFO)"…
std::string WhatItIs(plataforma::Tipo tipo);

// ErrorVB for a failed system call on `path` (errno value `err`): the number the environment
// would raise and a description naming the file.
ErrorVB SystemError(int err, const std::filesystem::path& path, std::string_view action);

// "file, línea N: what" as every load problem reads.
ErrorVB LineError(long number, const std::filesystem::path& path, long line, std::string_view what);

} // namespace files
