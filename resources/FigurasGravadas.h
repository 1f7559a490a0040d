#pragma once

// The program's pictures as the build finished them, row by row: the logo in premultiplied
// ARGB32, the other pictures in ARGB32 with their key colour already transparent and, for
// buttons, their greyed copy. Written by ortelo_gravar_figuras.

#include "ArteFiguras.h"
#include "DesenhoLogo.h"

#include <cstdint>

extern const std::uint32_t LogoGravado[LarguraLogo * AlturaLogo];

struct FiguraGravada {
    int Lado;
    const std::uint32_t* Normal;
    const std::uint32_t* Desabilitada;  // nullptr for the window icon, which has no greyed copy
};

// Indexed by Figura.
extern const FiguraGravada FigurasGravadas[NumeroDeFiguras];
