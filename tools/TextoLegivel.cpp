#include "TextoLegivel.h"

#include "TabelaWindows1252.h"

#include <array>
#include <cstdio>

namespace {

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
        const char16_t caractere = CaractereWindows1252(byte);
        if (byte == '\\')
            saida += "\\\\";  // so a name holding "\x41" cannot pass for an escape
        // Controls, and the five bytes without a character (C1 controls in the table), are escaped.
        else if (byte < 0x20 || byte == 0x7F || (caractere >= 0x80 && caractere < 0xA0))
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
