#pragma once
// Date and time patterns of the user's locale, written the way the report shows them. The
// locale data here holds strftime patterns ("%d/%m/%Y"); the report shows them as pictures
// ("dd/MM/yyyy"), with literal letters in single quotes.

#include <string>
#include <string_view>

namespace infosistema {

// The strftime pattern as a picture: %d dd, %e d, %m MM, %y yy, %Y yyyy, %a ddd, %A dddd,
// %b MMM, %B MMMM, %H HH, %I hh, %M mm, %S ss, %p tt, and the composites %D %T %R %F %r.
// A directive with no picture letter is kept as it is.
std::string PatronFecha(std::string_view strftime);

// The separator of a pattern: the literal text between its first two fields ("/" in
// "%d/%m/%Y", ":" in "%H:%M:%S"); empty when there is none.
std::string SeparadorPatron(std::string_view strftime);

} // namespace infosistema
