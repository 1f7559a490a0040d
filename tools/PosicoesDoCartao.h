#pragma once

// Where things of a card read from a file lie: which group a card line belongs to and on
// which file line each value stands. Nothing here assumes the card keeps the editor's rules.

#include "Cartao.h"

// The group whose lines hold `linha`; the last such group when groups overlap, as the later
// group is the one drawn on top. 0 when no group holds the line.
int GrupoDaLinha(const TCartao& cartao, int linha);

// The last group's last line, the line below which the editor clears the mask.
std::int32_t UltimaLinhaDosGrupos(const TCartao& cartao);

// Groups 1..NumGrupos that are in the table.
int GruposEmUso(const TCartao& cartao);

// File lines of the values, counted from 1 as the reader counts them.
constexpr int LinhaDaPorta = 1;
constexpr int LinhaDaLeitura = 2;
constexpr int LinhaDoNumeroDeLinhas = 3;
constexpr int LinhaDoNumeroDeGrupos = 4;
constexpr int LinhaDoDigito = 5;

enum class CampoDoGrupo { Nome = 1, LinhaInicial, LinhaFinal, Tipo, Habilitado };

constexpr int LinhaDoArquivo(int grupo, CampoDoGrupo campo) { return 5 + 5 * (grupo - 1) + static_cast<int>(campo); }
constexpr int LinhaDoElemento(int numGrupos, int elemento) { return 5 + 5 * numGrupos + elemento; }
