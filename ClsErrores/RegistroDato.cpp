#include "ClsErrores/RegistroDato.h"

#include "base/ErrorVB.h"

#include <charconv>

namespace registro {

Valor ValorParaTipo(const Valor& value, long type) {
    const auto desajuste = [] {
        return ErrorVB(vberr::TypeMismatch, "RegistrySetKeyValue", "No coinciden los tipos");
    };
    switch (type) {
    case REG_SZ:
        if (const auto* s = std::get_if<std::string>(&value)) {
            return s->substr(0, s->find('\0')); // a text is stored up to its terminating NUL
        }
        if (const auto* n = std::get_if<std::int32_t>(&value)) {
            return std::to_string(*n);
        }
        if (std::holds_alternative<std::monostate>(value)) {
            return std::string();
        }
        throw desajuste();
    case REG_BINARY:
        if (const auto* b = std::get_if<std::vector<unsigned char>>(&value)) {
            return *b;
        }
        if (const auto* s = std::get_if<std::string>(&value)) {
            return std::vector<unsigned char>(s->begin(), s->end());
        }
        throw desajuste();
    case REG_DWORD: {
        if (const auto* i = std::get_if<std::int32_t>(&value)) {
            return *i;
        }
        if (std::holds_alternative<std::monostate>(value)) {
            return std::int32_t{0};
        }
        const auto* s = std::get_if<std::string>(&value);
        if (!s) {
            throw desajuste();
        }
        const std::size_t a = s->find_first_not_of(' ');
        const std::size_t b = s->find_last_not_of(' ');
        if (a == std::string::npos) {
            throw desajuste();
        }
        std::int32_t n = 0;
        auto [p, ec] = std::from_chars(s->data() + a, s->data() + b + 1, n);
        if (ec == std::errc::result_out_of_range) {
            throw ErrorVB(vberr::Overflow, "RegistrySetKeyValue", "Desbordamiento");
        }
        if (ec != std::errc{} || p != s->data() + b + 1) {
            throw desajuste();
        }
        return n;
    }
    default:
        return {};
    }
}

} // namespace registro
