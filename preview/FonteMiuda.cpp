#include "FonteMiuda.h"

namespace {

// Rows written in binary, so each glyph reads as its picture.
constexpr std::array<Glifo, 10> Algarismos{{
    {0b111, 0b101, 0b101, 0b101, 0b111},  // 0
    {0b010, 0b110, 0b010, 0b010, 0b111},  // 1
    {0b111, 0b001, 0b111, 0b100, 0b111},  // 2
    {0b111, 0b001, 0b011, 0b001, 0b111},  // 3
    {0b101, 0b101, 0b111, 0b001, 0b001},  // 4
    {0b111, 0b100, 0b111, 0b001, 0b111},  // 5
    {0b111, 0b100, 0b111, 0b101, 0b111},  // 6
    {0b111, 0b001, 0b010, 0b010, 0b010},  // 7
    {0b111, 0b101, 0b111, 0b101, 0b111},  // 8
    {0b111, 0b101, 0b111, 0b001, 0b111},  // 9
}};

constexpr std::array<Glifo, 5> Letras{{
    {0b010, 0b101, 0b111, 0b101, 0b101},  // A
    {0b110, 0b101, 0b110, 0b101, 0b110},  // B
    {0b011, 0b100, 0b100, 0b100, 0b011},  // C
    {0b110, 0b101, 0b101, 0b101, 0b110},  // D
    {0b111, 0b100, 0b110, 0b100, 0b111},  // E
}};

}  // namespace

const Glifo* GlifoDe(char caractere)
{
    if (caractere >= '0' && caractere <= '9')
        return &Algarismos[static_cast<std::size_t>(caractere - '0')];
    if (caractere >= 'A' && caractere <= 'E')
        return &Letras[static_cast<std::size_t>(caractere - 'A')];
    return nullptr;
}
