#pragma once
// Texts of the add-in's own logic (UTF-8, CR LF between lines) shown in widgets.

#include <QString>

#include <string_view>

namespace qt {

// A label or list shows CR LF as one line break.
inline QString TextoQt(std::string_view utf8) {
    QString t = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

} // namespace qt
