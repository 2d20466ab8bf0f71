#include "ClsErrores/Registro.h"

#include "ClsErrores/MsgBox.h"
#include "ClsErrores/RegistroDato.h"
#include "base/ErrorVB.h"
#include "base/plataforma/Archivo.h"
#include "base/plataforma/CarpetasUsuario.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace registro {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

std::optional<std::string> NombreRaiz(std::uint32_t root) {
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG:
        return "HKEY_CURRENT_CONFIG";
    default:
        return std::nullopt;
    }
}

// Registry key names ignore letter case; separators at either end are not part of the name.
std::string Recorta(const std::string& ruta) {
    std::size_t a = 0, b = ruta.size();
    while (a < b && ruta[a] == '\\') {
        ++a;
    }
    while (b > a && ruta[b - 1] == '\\') {
        --b;
    }
    return ruta.substr(a, b - a);
}

bool IgualSinCaso(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto f = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (f(a[i]) != f(b[i])) {
            return false;
        }
    }
    return true;
}

// The member of `obj` named `nombre` ignoring case, or nullptr.
template <class J> J* Busca(J& obj, std::string_view nombre) {
    if (!obj.is_object()) {
        return nullptr;
    }
    for (auto it = obj.begin(); it != obj.end(); ++it) {
        if (IgualSinCaso(it.key(), nombre)) {
            return &it.value();
        }
    }
    return nullptr;
}

std::string Hex(const std::vector<unsigned char>& bytes) {
    static constexpr char d[] = "0123456789abcdef";
    std::string s;
    for (unsigned char b : bytes) {
        s += d[b >> 4];
        s += d[b & 15];
    }
    return s;
}

std::optional<std::vector<unsigned char>> DesdeHex(const std::string& s) {
    if (s.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<unsigned char> r(s.size() / 2);
    for (std::size_t i = 0; i < r.size(); ++i) {
        auto [p, ec] = std::from_chars(s.data() + 2 * i, s.data() + 2 * i + 2, r[i], 16);
        if (ec != std::errc{} || p != s.data() + 2 * i + 2) {
            return std::nullopt;
        }
    }
    return r;
}

// The whole store, or nothing when the file is missing; a file that is not a store throws.
std::optional<json> Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        return std::nullopt;
    }
    std::ostringstream o;
    o << f.rdbuf();
    json j = json::parse(o.str());
    if (!j.is_object()) {
        throw json::type_error::create(302, "el almacén no es un objeto", nullptr);
    }
    return j;
}

// The file is $LINTRAP_REGISTRY when set, else the per-user configuration folder's one.
std::string RutaAlmacen() {
    if (const char* r = std::getenv("LINTRAP_REGISTRY"); r && *r) {
        return r;
    }
    return (plataforma::CarpetaConfiguracion() / "lintrap" / "registro.json").string();
}

[[noreturn]] void Fallo(const std::string& que, const std::string& ruta, int error) {
    throw ErrorVB(vberr::PathFileAccessError, "RegistrySetKeyValue",
                  que + " (" + ruta + "): " + std::strerror(error));
}

// The stored form of the value written as `type`; null for a type that writes nothing.
json Dato(const Valor& value, long type) {
    const Valor v = ValorParaTipo(value, type);
    if (const auto* texto = std::get_if<std::string>(&v)) {
        // The store is UTF-8 text; other bytes would not survive it.
        try {
            (void)json(*texto).dump();
        } catch (const json::type_error&) {
            throw ErrorVB(vberr::InvalidProcedureCall, "RegistrySetKeyValue",
                          "El texto no es UTF-8 válido");
        }
        return {{"tipo", REG_SZ}, {"valor", *texto}};
    }
    if (const auto* b = std::get_if<std::vector<unsigned char>>(&v)) {
        return {{"tipo", REG_BINARY}, {"valor", Hex(*b)}};
    }
    if (const auto* n = std::get_if<std::int32_t>(&v)) {
        return {{"tipo", REG_DWORD}, {"valor", *n}};
    }
    return nullptr;
}

class Cerrojo {
public:
    explicit Cerrojo(const std::string& ruta) {
        const std::string lock = ruta + ".lock";
        int error = 0;
        archivo_ = plataforma::Archivo::LecturaEscritura(lock, 0644, error);
        if (error != 0) {
            Fallo("no se puede crear el archivo de bloqueo", lock, error);
        }
        error = archivo_.Bloquea(false, true);
        if (error != 0) {
            Fallo("no se puede bloquear", lock, error);
        }
    }

private:
    plataforma::Archivo archivo_; // closing it releases the lock
};

void EscribeAtomico(const std::string& ruta, const std::string& texto) {
    std::filesystem::path tmp = ruta + ".XXXXXX";
    int error = 0;
    plataforma::Archivo archivo = plataforma::Archivo::Unico(tmp, error);
    if (error != 0) {
        Fallo("no se puede crear un archivo temporal", ruta, error);
    }
    archivo.CambiaPermisos(0600); // per-user settings
    error = archivo.EscribeTodo(texto);
    if (error == 0) {
        error = archivo.Vacia();
    }
    const int cerrado = archivo.Cierra();
    if (error == 0) {
        error = cerrado;
    }
    if (error == 0) {
        error = plataforma::Sustituye(tmp, ruta);
    }
    if (error != 0) {
        plataforma::Borra(tmp);
        Fallo("no se puede escribir", ruta, error);
    }
}

void Escribe(const std::string& raiz, const std::string& clave, const std::string& nombre,
             const json& dato) {
    const std::string ruta = RutaAlmacen();
    std::error_code ec;
    const fs::path carpeta = fs::path(ruta).parent_path();
    if (!carpeta.empty()) {
        fs::create_directories(carpeta, ec);
    }
    Cerrojo cerrojo(ruta);
    // Read again under the lock: what another program wrote meanwhile is kept.
    std::optional<json> leido;
    try {
        leido = Lee(ruta);
    } catch (const json::exception&) {
        // Never replace a store we cannot read: its values would be lost.
        throw ErrorVB(vberr::PathFileAccessError, "RegistrySetKeyValue",
                      "El almacén del registro está dañado y no se modifica: " + ruta);
    }
    json almacen = leido ? std::move(*leido) : json::object();
    json* claves = Busca(almacen, raiz);
    if (!claves || !claves->is_object()) {
        almacen[raiz] = json::object();
        claves = &almacen[raiz];
    }
    json* valores = Busca(*claves, clave);
    if (!valores || !valores->is_object()) {
        (*claves)[clave] = json::object();
        valores = &(*claves)[clave];
    }
    if (!dato.is_null()) {
        if (json* existente = Busca(*valores, nombre)) {
            *existente = dato;
        } else {
            (*valores)[nombre] = dato;
        }
    }
    EscribeAtomico(ruta, almacen.dump(2) + "\n");
}

void Informa(const ErrorVB& e, const char* titulo) {
    try {
        vb::MsgBox("Error: " + std::to_string(e.Number) + ". " + e.Description, vb::vbOKOnly,
                   titulo);
    } catch (...) {
    }
}

} // namespace

Valor RegistryGetKeyValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) {
    // Whatever cannot be found or read gives the empty value, without a message.
    try {
        const auto raiz = NombreRaiz(root);
        if (!raiz) {
            return {};
        }
        auto almacen = Lee(RutaAlmacen());
        if (!almacen) {
            return {};
        }
        const json* claves = Busca(std::as_const(*almacen), *raiz);
        const json* valores = claves ? Busca(*claves, Recorta(keyPath)) : nullptr;
        const json* v = valores ? Busca(*valores, valueName) : nullptr;
        if (!v || !v->is_object() || !v->contains("tipo") || !v->contains("valor")) {
            return {};
        }
        const long tipo = v->at("tipo").get<long>();
        const json& dato = v->at("valor");
        if (tipo == REG_SZ && dato.is_string()) {
            const auto& s = dato.get_ref<const std::string&>();
            return s.substr(0, s.find('\0'));
        }
        if (tipo == REG_BINARY && dato.is_string()) {
            if (auto b = DesdeHex(dato.get<std::string>())) {
                return *b;
            }
            return {};
        }
        if (tipo == REG_DWORD && dato.is_number_integer()) {
            const auto n = dato.get<std::int64_t>();
            if (n >= INT32_MIN && n <= INT32_MAX) {
                return static_cast<std::int32_t>(n);
            }
        }
        return {};
    } catch (const ErrorVB& e) {
        Informa(e, "RegistryGetKeyValue");
        return {};
    } catch (...) {
        return {};
    }
}

void RegistrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const Valor& value, long type) {
    try {
        const auto raiz = NombreRaiz(root);
        if (!raiz) {
            return; // no such root: the key cannot be opened, nothing is written
        }
        const json dato = Dato(value, type);
        Escribe(*raiz, Recorta(keyPath), valueName, dato);
    } catch (const ErrorVB& e) {
        Informa(e, "RegistrySetKeyValue");
    } catch (const std::exception&) {
        Informa(ErrorVB(vberr::PathFileAccessError, "RegistrySetKeyValue",
                        "No se puede escribir el almacén del registro: " + RutaAlmacen()),
                "RegistrySetKeyValue");
    }
}

bool RegistryTrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                            const std::string& valueName, const Valor& value, long type) noexcept {
    try {
        const auto raiz = NombreRaiz(root);
        if (!raiz) {
            return false;
        }
        Escribe(*raiz, Recorta(keyPath), valueName, Dato(value, type));
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace registro
