#pragma once
// What the component writes in the registry so that the environment finds it: the class
// "Lintrap.Connect" (ProgID and class id, the DLL as its in-process server) and, per user, the
// add-in manager's entry. Removal takes away exactly those keys, and the add-in manager's
// parent keys only when they are left empty.

#include <windows.h>

#include <string>

namespace dll {

enum class Ambito {
    Usuario, // HKEY_CURRENT_USER: the class and the add-in manager's entry
    Maquina, // HKEY_LOCAL_MACHINE: the class only
};

// `servidor`: the DLL's full path. On failure nothing is left written.
HRESULT Registra(Ambito ambito, const std::wstring& servidor);
HRESULT Desregistra(Ambito ambito);

} // namespace dll
