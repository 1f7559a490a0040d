#include "Windows1252.h"

#include <array>
#include <cstddef>

namespace {

// 0x80..0x9F is the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> Bloco80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr std::array<char16_t, 256> MontarTabela()
{
    std::array<char16_t, 256> tabela{};
    for (std::size_t b = 0; b < tabela.size(); ++b)
        tabela[b] = static_cast<char16_t>(b);
    for (std::size_t i = 0; i < Bloco80a9F.size(); ++i)
        tabela[0x80 + i] = Bloco80a9F[i];
    return tabela;
}

// Character of each byte.
constexpr std::array<char16_t, 256> Tabela = MontarTabela();

std::optional<unsigned char> ByteDe(char16_t caractere)
{
    if (caractere < 0x80 || (caractere >= 0xA0 && caractere <= 0xFF))
        return static_cast<unsigned char>(caractere);
    for (std::size_t b = 0x80; b < 0xA0; ++b)
        if (Tabela[b] == caractere)
            return static_cast<unsigned char>(b);
    return std::nullopt;
}

}  // namespace

QString DeWindows1252(const std::string& bytes)
{
    QString texto;
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        texto.append(QChar(Tabela[static_cast<unsigned char>(c)]));
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
