#pragma once

#include "Cartao.h"

#include <string>

// A readable summary of a card: its settings, each group with its lines, type, enabled state
// and item numbering, then the mask as a compact grid, one text row per card line.
std::string ResumoDoCartao(const TCartao& cartao);

// The grid symbol of one mask cell, from its character and the column's kind in its group's layout.
char SimboloDaCelula(char celula, const struct Coluna* coluna);
