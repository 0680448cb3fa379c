#pragma once

#include <QString>

#include <string>

namespace kx {

// A text of the table as a Qt string; its CR LF pairs become the line breaks Qt expects.
inline QString VensterTekst(const std::string& tekst) {
    return QString::fromStdString(tekst).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace kx
