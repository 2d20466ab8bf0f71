#include "ClsErrores/Correo.h"

#include "ClsErrores/Direccion.h"
#include "ClsErrores/Registro.h"
#include "ClsErrores/Sondas.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <curl/curl.h>
#include <filesystem>
#include <memory>
#include <mutex>

namespace correo {

namespace {

constexpr const char* ClaveAjustes = "Software\\Lintrap\\Correo";

std::string DelAlmacen(const char* nombre) {
    const auto v = registro::RegistryGetKeyValue(registro::HKEY_CURRENT_USER, ClaveAjustes, nombre);
    const auto* texto = std::get_if<std::string>(&v);
    return texto ? *texto : std::string();
}

void Toma(std::string& destino, const std::string& valor) {
    if (!valor.empty()) {
        destino = valor;
    }
}

std::string Entorno(const char* nombre) {
    const char* v = std::getenv(nombre);
    return v ? v : "";
}

// Header texts lose control characters, so that no value can add a header line of its own.
std::string SinControl(const std::string& s) {
    std::string r;
    for (unsigned char c : s) {
        r += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
    }
    return r;
}

// A subject with non-ASCII letters as an RFC 2047 encoded word (Q encoding).
std::string Asunto(const std::string& texto) {
    const std::string limpio = SinControl(texto);
    bool ascii = true;
    for (unsigned char c : limpio) {
        ascii = ascii && c < 0x80;
    }
    if (ascii) {
        return limpio;
    }
    static const char* hex = "0123456789ABCDEF";
    std::string r = "=?UTF-8?Q?";
    for (unsigned char c : limpio) {
        if (c == ' ') {
            r += '_';
        } else if (c < 0x80 && std::isalnum(c)) {
            r += static_cast<char>(c);
        } else {
            r += '=';
            r += hex[c >> 4];
            r += hex[c & 15];
        }
    }
    return r + "?=";
}

std::string FechaCabecera() {
    char buf[64];
    const std::time_t t = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&t, &utc);
    static const char* dias[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* meses[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::snprintf(buf, sizeof buf, "%s, %02d %s %04d %02d:%02d:%02d +0000", dias[utc.tm_wday],
                  utc.tm_mday, meses[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min,
                  utc.tm_sec);
    return buf;
}

struct BorraCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct BorraMime {
    void operator()(curl_mime* m) const { curl_mime_free(m); }
};
struct BorraLista {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

int Falla(std::string* detalle, const std::string& texto, int codigo = -1) {
    if (detalle) {
        *detalle = texto;
    }
    return codigo;
}

} // namespace

Ajustes LeeAjustes() {
    Ajustes a;
    Toma(a.url, DelAlmacen("Servidor"));
    Toma(a.remitente, DelAlmacen("Remitente"));
    Toma(a.usuario, DelAlmacen("Usuario"));
    Toma(a.clave, DelAlmacen("Clave"));
    Toma(a.url, Entorno("LINTRAP_SMTP_URL"));
    Toma(a.remitente, Entorno("LINTRAP_SMTP_FROM"));
    Toma(a.usuario, Entorno("LINTRAP_SMTP_USER"));
    Toma(a.clave, Entorno("LINTRAP_SMTP_PASSWORD"));
    if (const std::string s = Entorno("LINTRAP_SMTP_TIMEOUT"); !s.empty()) {
        char* fin = nullptr;
        const double segundos = std::strtod(s.c_str(), &fin);
        if (fin && *fin == '\0' && segundos > 0 && segundos < 3600) {
            a.totalMs = static_cast<long>(segundos * 1000);
            a.conexionMs = std::min(a.conexionMs, a.totalMs);
        }
    }
    if (a.remitente.empty()) {
        const std::string nombre = infosistema::NombreOrdenador();
        a.remitente = "lintrap@" + (nombre.empty() ? std::string("localhost") : nombre);
    }
    return a;
}

int Envia(const Mensaje& m, const Ajustes& a, std::string* detalle) {
    static std::once_flag iniciado;
    std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    if (!DireccionValida(m.destinatario)) {
        return Falla(detalle, "dirección de destino no válida: \"" + m.destinatario + "\"");
    }
    if (!DireccionValida(a.remitente)) {
        return Falla(detalle, "dirección del remitente no válida: \"" + a.remitente + "\"");
    }
    std::unique_ptr<CURL, BorraCurl> curl(curl_easy_init());
    if (!curl) {
        return Falla(detalle, "no se pudo iniciar libcurl");
    }
    CURL* c = curl.get();
    std::unique_ptr<curl_slist, BorraLista> destinatarios(
        curl_slist_append(nullptr, ("<" + m.destinatario + ">").c_str()));
    std::unique_ptr<curl_slist, BorraLista> cabeceras;
    for (const std::string& h : {"Date: " + FechaCabecera(), "From: <" + a.remitente + ">",
                                 "To: <" + m.destinatario + ">", "Subject: " + Asunto(m.asunto)}) {
        cabeceras.reset(curl_slist_append(cabeceras.release(), h.c_str()));
    }

    std::unique_ptr<curl_mime, BorraMime> mime(curl_mime_init(c));
    curl_mimepart* texto = curl_mime_addpart(mime.get());
    curl_mime_data(texto, m.cuerpo.data(), m.cuerpo.size());
    curl_mime_type(texto, "text/plain; charset=UTF-8");
    curl_mime_encoder(texto, "quoted-printable");

    // A log file that cannot be read leaves the report without its attachment rather than
    // unsent: the report itself is what the developer needs most.
    std::error_code ec;
    if (!m.rutaAdjunto.empty() && std::filesystem::is_regular_file(m.rutaAdjunto, ec)) {
        curl_mimepart* adjunto = curl_mime_addpart(mime.get());
        if (curl_mime_filedata(adjunto, m.rutaAdjunto.c_str()) == CURLE_OK) {
            curl_mime_filename(adjunto, SinControl(m.nombreAdjunto).c_str());
            curl_mime_type(adjunto, "text/plain");
            curl_mime_encoder(adjunto, "base64");
        }
    }

    curl_easy_setopt(c, CURLOPT_URL, a.url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, ("<" + a.remitente + ">").c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, destinatarios.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabeceras.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, a.conexionMs);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, a.totalMs);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    if (!a.usuario.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, a.usuario.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, a.clave.c_str());
    }
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);

    const CURLcode r = curl_easy_perform(c);
    if (r != CURLE_OK) {
        return Falla(detalle,
                     a.url + ": " + (error[0] ? std::string(error) : curl_easy_strerror(r)),
                     static_cast<int>(r));
    }
    return 0;
}

} // namespace correo
