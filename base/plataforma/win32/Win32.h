#pragma once
// Within the Win32 implementation: text at the system's edge (UTF-8 inside, UTF-16 for the
// system), the system's error numbers as errno numbers, and file times.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace plataforma::win32 {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// The errno number nearest to a GetLastError() code, so that every caller's messages read the
// same on both systems; EIO for a failure with no nearer meaning.
int ErrnoDe(DWORD codigo);
inline int UltimoErrno() {
    return ErrnoDe(::GetLastError());
}

// A FILETIME (100 ns steps since 1601) as nanoseconds since 1970, as POSIX stamps files.
std::int64_t NsDesde1970(std::int64_t intervalos);

// The system's text for an error code, in UTF-8.
std::string TextoDeError(DWORD codigo);

} // namespace plataforma::win32
