#pragma once
// Everything lintrap prints goes through here: code text arrives as bytes in the project's code
// page and leaves as UTF-8, the terminal's encoding. Text meant for a person never carries the
// user's control characters raw: a name or a line of code must not be able to clear the screen,
// set the window's title or write the clipboard through the terminal.

#include <string>
#include <string_view>

namespace cli {

class Salida {
public:
    explicit Salida(int codepage) : cp_(codepage) {}

    // Code text (names, lines) in the project's code page, converted to UTF-8.
    std::string Texto(std::string_view bytes) const;
    // The same, made Visible: what a text (not JSON) output shows of the user's text.
    std::string TextoVisible(std::string_view bytes) const { return Visible(Texto(bytes)); }
    // Text typed on the command line, in the project's code page. A character the code page
    // cannot hold is refused (ErrorVB naming the option), never replaced.
    std::string Bytes(std::string_view utf8, const std::string& opcion) const;

    // UTF-8 text with every control character but TAB and the line break (LF, CR LF) shown as
    // "\x" and two hex digits ("\x1b" for ESC): C0, DEL and C1 (U+0080 to U+009F).
    static std::string Visible(std::string_view utf8);

    // Writes UTF-8 text to standard output as it is: the caller has made the user's text Visible
    // or JSON, or the bytes must stay exact (a diff).
    static void Out(std::string_view utf8);
    // Writes a message to standard error, made Visible: messages name files and modules.
    static void Err(std::string_view utf8);

private:
    int cp_;
};

} // namespace cli
