#include "Windows1252.h"

#include "TabelaWindows1252.h"

#include <array>
#include <cstddef>

namespace {

std::optional<unsigned char> ByteDe(char16_t caractere)
{
    if (caractere < 0x80 || (caractere >= 0xA0 && caractere <= 0xFF))
        return static_cast<unsigned char>(caractere);
    for (std::size_t i = 0; i < Bloco80a9FWindows1252.size(); ++i)
        if (Bloco80a9FWindows1252[i] == caractere)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

QString DeWindows1252(const std::string& bytes)
{
    QString texto;
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        texto.append(QChar(CaractereWindows1252(static_cast<unsigned char>(c))));
    return texto;
}

std::optional<std::string> ParaWindows1252(const QString& texto)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(texto.size()));
    // A surrogate half (a character beyond U+FFFF) finds no byte either.
    for (const QChar c : texto) {
        const auto byte = ByteDe(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}
