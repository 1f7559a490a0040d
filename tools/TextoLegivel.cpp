#include "TextoLegivel.h"

#include <array>
#include <cstdio>

namespace {

// 0x80..0x9F is the only range where Windows-1252 differs from Latin-1; 0 marks the five
// bytes that have no character.
constexpr std::array<char16_t, 32> Bloco80a9F = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

void AcrescentarUtf8(std::string& saida, char16_t c)
{
    if (c < 0x80) {
        saida.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        saida.push_back(static_cast<char>(0xC0 | (c >> 6)));
        saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        saida.push_back(static_cast<char>(0xE0 | (c >> 12)));
        saida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void AcrescentarEscape(std::string& saida, unsigned char byte)
{
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    saida += escape;
}

}  // namespace

std::string TextoLegivel(const std::string& bytes)
{
    std::string saida;
    saida.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t caractere = byte >= 0x80 && byte < 0xA0 ? Bloco80a9F[byte - 0x80] : byte;
        if (byte == '\\')
            saida += "\\\\";  // so a name holding "\x41" cannot pass for an escape
        else if (byte < 0x20 || byte == 0x7F || caractere == 0)
            AcrescentarEscape(saida, byte);
        else
            AcrescentarUtf8(saida, caractere);
    }
    return saida;
}

std::string CaractereLegivel(char caractere)
{
    return TextoLegivel(std::string(1, caractere));
}
