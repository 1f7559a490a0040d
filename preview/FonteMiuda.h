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
