#include "Disposicoes.h"

namespace {

// Short names so each layout reads as one printed card line, column 1 first.
constexpr Coluna Q{TipoColuna::MarcaSimples, 0, 0};  // box
constexpr Coluna X{TipoColuna::EmBranco, 0, 0};      // blank
constexpr Coluna N(int divisao) { return {TipoColuna::NumeroItem, 0, static_cast<std::uint8_t>(divisao)}; }
constexpr Coluna R(char rotulo) { return {TipoColuna::MarcaRotulada, rotulo, 0}; }

}  // namespace

constexpr Disposicao DisposicaoCanvas12{Q, Q, Q, Q, Q, Q, Q, Q, Q, Q, Q, Q};
constexpr Disposicao DisposicaoCanvas10{X, N(1), R('0'), R('1'), R('2'), R('3'), R('4'), R('5'), R('6'), R('7'), R('8'), R('9')};
constexpr Disposicao DisposicaoCanvas10D1{N(1), R('0'), R('1'), R('2'), R('3'), R('4'), R('5'), R('6'), R('7'), R('8'), R('9'), X};
constexpr Disposicao DisposicaoCanvas10D2{R('0'), R('1'), R('2'), R('3'), R('4'), R('5'), R('6'), R('7'), R('8'), R('9'), X, N(1)};
constexpr Disposicao DisposicaoCanvas5{N(1), R('A'), R('B'), R('C'), R('D'), R('E'), N(2), R('A'), R('B'), R('C'), R('D'), R('E')};
constexpr Disposicao DisposicaoCanvas3{N(1), R('A'), R('B'), R('C'), N(2), R('A'), R('B'), R('C'), N(3), R('A'), R('B'), R('C')};
constexpr Disposicao DisposicaoCanvas2{N(1), R('A'), R('B'), N(2), R('A'), R('B'), N(3), R('A'), R('B'), N(4), R('A'), R('B')};
constexpr Disposicao DisposicaoCanvas1{N(1), Q, N(2), Q, N(3), Q, N(4), Q, N(5), Q, N(6), Q};

namespace {

// Indexed by Tipo, in the order of the group-type list.
constexpr std::array<const Disposicao*, 11> DisposicaoPorTipo{
    &DisposicaoCanvas12,    // 0 binary, 12 positions
    &DisposicaoCanvas10,    // 1 registration 0-9
    &DisposicaoCanvas10,    // 2 numeric 0-9
    &DisposicaoCanvas5,     // 3 two divisions A-E
    &DisposicaoCanvas3,     // 4 three divisions A-C
    &DisposicaoCanvas2,     // 5 four divisions A-B
    &DisposicaoCanvas1,     // 6 six divisions of one position
    &DisposicaoCanvas10D1,  // 7 registration 0-9, shifted 1
    &DisposicaoCanvas10D2,  // 8 registration 0-9, shifted 2
    &DisposicaoCanvas10D1,  // 9 numeric 0-9, shifted 1
    &DisposicaoCanvas10D2,  // 10 numeric 0-9, shifted 2
};

}  // namespace

const Disposicao* DisposicaoDoTipo(std::int32_t tipo)
{
    if (tipo < 0 || tipo >= static_cast<std::int32_t>(DisposicaoPorTipo.size()))
        return nullptr;
    return DisposicaoPorTipo[static_cast<std::size_t>(tipo)];
}
