#include "app/dll/RegistroCom.h"

#include "app/addin/Registro.h"
#include "app/dll/IDTExtensibility2.h"
#include "base/plataforma/win32/Win32.h"

#include <variant>
#include <vector>

namespace dll {

namespace {

using plataforma::win32::Utf16;

constexpr const wchar_t* kProgId = L"Lintrap.Connect";
constexpr const wchar_t* kClases = L"Software\\Classes\\";
// The add-in manager's list, and the parents that are ours to remove when left empty.
constexpr const wchar_t* kAddIns = L"Software\\Microsoft\\Visual Basic\\6.0\\Addins";
constexpr const wchar_t* kPadres[] = {kAddIns, L"Software\\Microsoft\\Visual Basic\\6.0",
                                      L"Software\\Microsoft\\Visual Basic"};

struct Valor {
    std::wstring clave;
    const wchar_t* nombre; // null: the key's default value
    std::variant<std::wstring, DWORD> dato;
};

std::wstring ClaveClsid() {
    return std::wstring(kClases) + L"CLSID\\" + kClsidConnect;
}

std::vector<Valor> Valores(Ambito ambito, const std::wstring& servidor) {
    const std::wstring progId = std::wstring(kClases) + kProgId, clsid = ClaveClsid();
    std::vector<Valor> v = {
        {progId, nullptr, kProgId},
        {progId + L"\\CLSID", nullptr, kClsidConnect},
        {clsid, nullptr, kProgId},
        {clsid + L"\\InprocServer32", nullptr, servidor},
        {clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {clsid + L"\\ProgID", nullptr, kProgId},
    };
    if (ambito == Ambito::Usuario) {
        const auto r = addin::Registro();
        const std::wstring addIn = std::wstring(kAddIns) + L"\\" + kProgId;
        v.push_back({addIn, L"FriendlyName", Utf16(r.displayName)});
        v.push_back({addIn, L"Description", Utf16(r.description)});
        v.push_back({addIn, L"LoadBehavior", DWORD{0}});
        v.push_back({addIn, L"CommandLineSafe", DWORD{0}});
    }
    return v;
}

HKEY Raiz(Ambito ambito) {
    return ambito == Ambito::Usuario ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

LSTATUS Escribe(HKEY raiz, const Valor& v) {
    if (const auto* texto = std::get_if<std::wstring>(&v.dato)) {
        return ::RegSetKeyValueW(raiz, v.clave.c_str(), v.nombre, REG_SZ, texto->c_str(),
                                 DWORD((texto->size() + 1) * sizeof(wchar_t)));
    }
    const DWORD numero = std::get<DWORD>(v.dato);
    return ::RegSetKeyValueW(raiz, v.clave.c_str(), v.nombre, REG_DWORD, &numero, sizeof numero);
}

// A missing key is already removed.
LSTATUS BorraArbol(HKEY raiz, const std::wstring& clave) {
    const LSTATUS s = ::RegDeleteTreeW(raiz, clave.c_str());
    return s == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : s;
}

bool Vacia(HKEY raiz, const wchar_t* clave) {
    HKEY k = nullptr;
    if (::RegOpenKeyExW(raiz, clave, 0, KEY_READ, &k) != ERROR_SUCCESS) {
        return false;
    }
    DWORD subclaves = 0, valores = 0;
    const bool vacia =
        ::RegQueryInfoKeyW(k, nullptr, nullptr, nullptr, &subclaves, nullptr, nullptr, &valores,
                           nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        subclaves == 0 && valores == 0;
    ::RegCloseKey(k);
    return vacia;
}

} // namespace

HRESULT Registra(Ambito ambito, const std::wstring& servidor) {
    for (const Valor& v : Valores(ambito, servidor)) {
        if (const LSTATUS s = Escribe(Raiz(ambito), v); s != ERROR_SUCCESS) {
            Desregistra(ambito);
            return HRESULT_FROM_WIN32(s);
        }
    }
    return S_OK;
}

HRESULT Desregistra(Ambito ambito) {
    const HKEY raiz = Raiz(ambito);
    LSTATUS peor = ERROR_SUCCESS;
    for (const std::wstring& clave : {std::wstring(kClases) + kProgId, ClaveClsid()}) {
        if (const LSTATUS s = BorraArbol(raiz, clave); s != ERROR_SUCCESS) {
            peor = s;
        }
    }
    if (ambito == Ambito::Usuario) {
        if (const LSTATUS s = BorraArbol(raiz, std::wstring(kAddIns) + L"\\" + kProgId);
            s != ERROR_SUCCESS) {
            peor = s;
        }
        for (const wchar_t* padre : kPadres) {
            if (!Vacia(raiz, padre) || ::RegDeleteKeyW(raiz, padre) != ERROR_SUCCESS) {
                break;
            }
        }
    }
    return HRESULT_FROM_WIN32(peor);
}

} // namespace dll
