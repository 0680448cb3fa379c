#pragma once

#include <QLocale>
#include <QString>

#include <string>

namespace kx {

// A text of the table as a Qt string; its CR LF pairs become the line breaks Qt expects.
inline QString VensterTekst(const std::string& tekst) {
    return QString::fromStdString(tekst).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The decimal separator of the user's locale, for numbers shown on the screen.
inline char Decimaalteken() {
    const QString punt = QLocale().decimalPoint();
    return punt.isEmpty() ? '.' : punt.at(0).toLatin1();
}

} // namespace kx
