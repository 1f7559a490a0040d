#pragma once

// Drawing the maker's logo. The drawing (stroked letters, gradients, antialiasing and a font)
// costs more than the rest of the window's construction, so it runs once, at build time:
// ortelo_gravar_figuras stores its pixels in the program, and LogoPelunca() only copies them.

#include <QImage>

constexpr int LarguraLogo = 380;
constexpr int AlturaLogo = 60;

// The logo in premultiplied ARGB32. A QGuiApplication must exist.
QImage DesenharLogoPelunca();
