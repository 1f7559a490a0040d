#pragma once

// The palette art of the program's pictures, as drawn (XPM). Read at build time only: the build
// stores the finished pixels in the program (FigurasGravadas.h), so no start parses XPM.

#include <QImage>

enum class Figura { Janela, Novo, Abrir, Salvar, Mascara, Ajuda, Fechar };
constexpr int NumeroDeFiguras = 7;

QImage Arte(Figura figura);
