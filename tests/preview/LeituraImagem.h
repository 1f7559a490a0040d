#pragma once

// Reading the card picture back: colours of pixels and regions, frames, and the texts of the
// built-in pixel font.

#include "Superficie.h"

#include <QImage>
#include <string>

Cor CorEm(const QImage& imagem, int x, int y);

// Number of pixels of the colour inside the rectangle.
int ContarCor(const QImage& imagem, const Retangulo& r, Cor cor);
bool SoCor(const QImage& imagem, const Retangulo& r, Cor cor);
// Every pixel of the rectangle has one of the two colours.
bool SoCores(const QImage& imagem, const Retangulo& r, Cor primeira, Cor segunda);

// All four one-pixel edges along the inside of the rectangle have the colour.
bool TemMoldura(const QImage& imagem, const Retangulo& r, Cor cor);
// The rectangle without its one-pixel edges.
Retangulo Interior(const Retangulo& r);

// The characters written in the cell with the given text offset and font size, read glyph by
// glyph until a blank one; '?' for a shape that is no glyph of the font. On a picture drawn at
// another scale the cell and offset are still the picture's own.
std::string LerTexto(const QImage& imagem, const Retangulo& celula, int dx, int tamanho, Cor corTexto,
                     double escala = 1.0);
