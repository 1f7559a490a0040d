#pragma once

// Where things lie on the card picture and which colours they have. The mask editor paints
// single cells with the same rectangles and colours.

#include "Superficie.h"

#include <algorithm>

constexpr int LarguraCartao = 240;
constexpr int AlturaCartao = 850;

// Column -1 holds the printed line number, column 0 the reader's timing mark, 1..12 the mark positions.
constexpr int ColunaNumeroLinha = -1;
constexpr int ColunaSincronismo = 0;

// Text starts this far right of a cell's left edge.
constexpr int DxNumero = 0;  // line numbers and item numbers
constexpr int DxLetra = 4;   // the letter or digit inside a mark position

constexpr Cor Vermelho = 0x0000FF;
constexpr Cor Verde = 0x008000;
constexpr Cor Branco = 0xFFFFFF;
constexpr Cor Preto = 0x000000;

constexpr std::string_view FonteCartao = "Small Fonts";
constexpr int TamanhoFonteNumeroLinha = 6;
constexpr int TamanhoFonteGrupo = 5;

constexpr Retangulo RetanguloSuperficie{0, 0, LarguraCartao, AlturaCartao};

// Keeps a coordinate computed from an arbitrary line count inside int. The bound lies far
// outside the surface, so a clamped edge stays invisible exactly as the true one would.
constexpr int LimitarCoordenada(long long valor)
{
    constexpr long long limite = 1 << 20;
    return static_cast<int>(std::clamp(valor, -limite, limite));
}

// The cell of line L and column j: 12 x 8 pixels, repeating every 15 pixels across and 9 down.
constexpr Retangulo RetanguloCelula(int linha, int coluna)
{
    const long long topo = 9LL * linha + 2;
    const long long esquerda = 25 + 15LL * coluna;
    return {LimitarCoordenada(esquerda), LimitarCoordenada(topo), LimitarCoordenada(esquerda + 12),
            LimitarCoordenada(topo + 8)};
}

// The white card with its black frame: 9 pixels above line 1 to 10 pixels below line N.
constexpr Retangulo RetanguloContorno(int numLinhas)
{
    return {25, 2, 225, LimitarCoordenada(9LL * numLinhas + 20)};
}

// The picture on a screen of escala device pixels per picture pixel (Qt's device pixel ratio:
// 1.25 for a screen at 125 %). Every rectangle keeps its left and top edge at the nearest device
// pixel and gets the size of its own width and height scaled and rounded, so rectangles of equal
// size come out equal wherever they lie: the twelve cells of a line, every timing mark.
inline long long PixelDoDispositivo(long long valor, double escala)
{
    // Rounded half up. The floor taken by truncation: std::floor is a library call on plain
    // x86-64, and a redraw rounds some twenty thousand edges.
    const double escalado = static_cast<double>(valor) * escala + 0.5;
    const auto truncado = static_cast<long long>(escalado);
    return truncado - (escalado < static_cast<double>(truncado) ? 1 : 0);
}

inline Retangulo RetanguloNoDispositivo(const Retangulo& r, double escala)
{
    if (escala == 1.0)
        return r;
    // Kept inside int whatever the rectangle: the bound lies far outside any surface.
    const auto limitar = [](long long valor) { return static_cast<int>(std::clamp(valor, -(1LL << 30), 1LL << 30)); };
    const long long esquerda = PixelDoDispositivo(r.Esquerda, escala);
    const long long topo = PixelDoDispositivo(r.Topo, escala);
    const long long largura = PixelDoDispositivo(static_cast<long long>(r.Direita) - r.Esquerda, escala);
    const long long altura = PixelDoDispositivo(static_cast<long long>(r.Base) - r.Topo, escala);
    return {limitar(esquerda), limitar(topo), limitar(esquerda + largura), limitar(topo + altura)};
}

// A frame's edges are whole device pixels, so every frame on one screen is equally thick.
inline int EspessuraDaMoldura(double escala)
{
    return std::max(1, static_cast<int>(escala));
}
