#pragma once

// The card's own pixel font: 3 x 5 glyphs drawn pixel by pixel, so card texts are crisp,
// three-digit item numbers fit a 12-pixel cell, and every machine shows the same pixels.

#include <array>
#include <cstdint>

constexpr int LarguraGlifo = 3;
constexpr int AlturaGlifo = 5;
constexpr int AvancoGlifo = LarguraGlifo + 1;  // one blank column between characters

// One byte per row, top row first; bit 2 is the leftmost pixel.
using Glifo = std::array<std::uint8_t, AlturaGlifo>;

namespace FonteMiuda {

// Rows written in binary, so each glyph reads as its picture. Entry 0 is the blank that any
// character without a glyph shows.
inline constexpr std::array<Glifo, 16> Glifos{{
    {0b000, 0b000, 0b000, 0b000, 0b000},  // blank
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
    {0b010, 0b101, 0b111, 0b101, 0b101},  // A
    {0b110, 0b101, 0b110, 0b101, 0b110},  // B
    {0b011, 0b100, 0b100, 0b100, 0b011},  // C
    {0b110, 0b101, 0b101, 0b101, 0b110},  // D
    {0b111, 0b100, 0b110, 0b100, 0b111},  // E
}};

// The entry of Glifos for every byte, so a redraw finds each glyph with one table read.
inline constexpr std::array<std::uint8_t, 256> IndiceDoGlifo = [] {
    std::array<std::uint8_t, 256> indice{};
    for (int c = '0'; c <= '9'; ++c)
        indice[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(1 + c - '0');
    for (int c = 'A'; c <= 'E'; ++c)
        indice[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(11 + c - 'A');
    return indice;
}();

}  // namespace FonteMiuda

// The glyph of a digit 0-9 or a letter A-E; the blank glyph for any other character.
constexpr const Glifo& GlifoOuEmBranco(char caractere)
{
    return FonteMiuda::Glifos[FonteMiuda::IndiceDoGlifo[static_cast<unsigned char>(caractere)]];
}

// The glyph of a digit 0-9 or a letter A-E; nullptr for any other character, which is left blank.
const Glifo* GlifoDe(char caractere);

constexpr bool PixelDoGlifo(const Glifo& glifo, int linha, int coluna)
{
    return (glifo[linha] >> (LarguraGlifo - 1 - coluna)) & 1U;
}

// Blank rows above the glyph for a font size in points: the character cell is
// size x 96 / 72 pixels high with one row below the glyph (8 pixels at size 6, 7 at size 5).
constexpr int RecuoSuperior(int tamanho)
{
    const int pontos = tamanho < 0 ? 0 : (tamanho > 72 ? 72 : tamanho);
    const int alturaCelula = (pontos * 96 + 36) / 72;
    const int recuo = alturaCelula - AlturaGlifo - 1;
    return recuo < 0 ? 0 : recuo;
}
