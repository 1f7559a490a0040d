#pragma once

// The logo's pixels as drawn at build time, premultiplied ARGB32, row by row.

#include "DesenhoLogo.h"

#include <cstdint>

extern const std::uint32_t LogoGravado[LarguraLogo * AlturaLogo];
