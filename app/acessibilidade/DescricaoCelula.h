#pragma once

#include <QString>

struct TCartao;

// What a screen reader says of one cell of the card picture: where it lies, which group holds
// it and whether the reader reads it, e.g. "Linha 12, coluna 3, grupo 2: lida". A line that no
// group holds (a gap or a line after the last group, only in a file's odd card) says
// "Linha 12, coluna 3: fora dos grupos".
QString DescreverCelula(const TCartao& cartao, int linha, int coluna);
