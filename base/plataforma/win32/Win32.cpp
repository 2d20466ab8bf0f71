#include "base/plataforma/win32/Win32.h"

#include <cerrno>

namespace plataforma::win32 {

std::wstring Utf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring salida(std::size_t(n > 0 ? n : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), salida.data(), n);
    return salida;
}

std::string Utf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string salida(std::size_t(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), salida.data(), n, nullptr,
                          nullptr);
    return salida;
}

int ErrnoDe(DWORD codigo) {
    switch (codigo) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_MOD_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_DELETE_PENDING:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        return EACCES;
    case ERROR_PRIVILEGE_NOT_HELD:
        return EPERM;
    case ERROR_LOCK_VIOLATION:
    case ERROR_IO_PENDING:
        return EWOULDBLOCK;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return ENOSYS;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    default:
        return EIO;
    }
}

std::int64_t NsDesde1970(std::int64_t intervalos) {
    constexpr std::int64_t k1601a1970 = 116444736000000000; // 100 ns steps between the two
    return (intervalos - k1601a1970) * 100;
}

std::string TextoDeError(DWORD codigo) {
    wchar_t* texto = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, codigo, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    std::wstring w = n > 0 && texto ? std::wstring(texto, n) : std::wstring();
    if (texto) {
        ::LocalFree(texto);
    }
    while (!w.empty() && (w.back() == L'\n' || w.back() == L'\r' || w.back() == L' ')) {
        w.pop_back();
    }
    return w.empty() ? "error " + std::to_string(codigo) : Utf8(w);
}

} // namespace plataforma::win32
