#pragma once
// Everything lintrap prints goes through here: code text arrives as bytes in the project's code
// page and leaves as UTF-8, the terminal's encoding.

#include <string>
#include <string_view>

namespace cli {

class Salida {
public:
    explicit Salida(int codepage) : cp_(codepage) {}

    // Code text (names, lines) in the project's code page, converted to UTF-8.
    std::string Texto(std::string_view bytes) const;
    // Text typed on the command line, in the project's code page. A character the code page
    // cannot hold is refused (ErrorVB naming the option), never replaced.
    std::string Bytes(std::string_view utf8, const std::string& opcion) const;

    // Writes UTF-8 text to standard output / standard error, as it is.
    static void Out(std::string_view utf8);
    static void Err(std::string_view utf8);

private:
    int cp_;
};

} // namespace cli
