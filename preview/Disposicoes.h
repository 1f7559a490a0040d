#pragma once

// What each of the twelve columns of a group line holds, per group type. The eight group
// layouts are these tables; one procedure draws them all.

#include "Cartao.h"

#include <array>
#include <cstdint>

enum class TipoColuna : std::uint8_t {
    MarcaSimples,   // a red box, drawn only while its mask cell is read
    MarcaRotulada,  // a red box around a letter or digit, drawn only while its mask cell is read
    NumeroItem,     // the item number of one division, always drawn; its mask cell becomes "1"
    EmBranco,       // never drawn; its mask cell becomes "1"
};

// Item numbers and blanks are a group's label positions: the layout itself marks their cells "1".
constexpr bool EhRotulo(TipoColuna tipo) { return tipo == TipoColuna::NumeroItem || tipo == TipoColuna::EmBranco; }

struct Coluna {
    TipoColuna Tipo = TipoColuna::MarcaSimples;
    char Rotulo = 0;             // the letter or digit of a lettered mark position
    std::uint8_t Divisao = 0;    // k of an item number, counted from 1
};

using Disposicao = std::array<Coluna, ColunasPorLinha>;  // column j at index j - 1

// The eight layouts, named after the routines that draw them.
extern const Disposicao DisposicaoCanvas12;    // type 0
extern const Disposicao DisposicaoCanvas10;    // types 1, 2
extern const Disposicao DisposicaoCanvas10D1;  // types 7, 9
extern const Disposicao DisposicaoCanvas10D2;  // types 8, 10
extern const Disposicao DisposicaoCanvas5;     // type 3
extern const Disposicao DisposicaoCanvas3;     // type 4
extern const Disposicao DisposicaoCanvas2;     // type 5
extern const Disposicao DisposicaoCanvas1;     // type 6

// The layout of a group type 0..10; nullptr for any other type, which draws nothing.
const Disposicao* DisposicaoDoTipo(std::int32_t tipo);
