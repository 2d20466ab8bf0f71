#include "base/plataforma/Consola.h"

#include "base/plataforma/win32/Win32.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

namespace plataforma {

bool EsTerminal(Flujo flujo) {
    const DWORD cual = flujo == Flujo::Entrada  ? STD_INPUT_HANDLE
                       : flujo == Flujo::Salida ? STD_OUTPUT_HANDLE
                                                : STD_ERROR_HANDLE;
    DWORD modo = 0;
    return ::GetConsoleMode(::GetStdHandle(cual), &modo) != 0;
}

void PreparaConsola() {
    // The console shows the UTF-8 bytes written to it as characters (cmd.exe and PowerShell
    // alike); in binary mode the C library adds no CR before each LF, so the bytes written are
    // the same as on every other system.
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
}

std::vector<std::string> ArgumentosUtf8(int argc, const char* const* argv) {
    // The C library's argv is in the ANSI code page, which may not hold every character of a
    // name: the command line is read again as the system keeps it, in UTF-16.
    int n = 0;
    wchar_t** anchos = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (anchos == nullptr || n != argc) {
        if (anchos) {
            ::LocalFree(anchos);
        }
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> argumentos;
    for (int i = 0; i < n; ++i) {
        argumentos.push_back(win32::Utf8(anchos[i]));
    }
    ::LocalFree(anchos);
    return argumentos;
}

} // namespace plataforma
