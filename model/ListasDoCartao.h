#pragma once

// The texts of the group types and check-digit kinds, in UTF-8: a type or kind is its position in
// these lists, so the window's drop-downs and the command-line tool read them from one place.

#include <array>
#include <string_view>

constexpr std::array<std::string_view, 11> NomesDosTipos{
    "Sem divisão com 12 quadrículas (Binário com 12 dígitos)",
    "Uma divisão de 10 quadrículas (Inscrição de 0 a 9)",
    "Uma divisão de 10 quadrículas (Numérico de 0 a 9)",
    "Duas divisões de 5 quadrículas (A B C D E)",
    "Três divisões de 3 quadrículas (A B C)",
    "Quatro divisões de 2 quadrículas (A B)",
    "Seis divisões de 1 quadrícula (Binário com 1 dígito)",
    "Uma divisão de 10 quadrículas (Inscrição de 0 a 9) Desl. 1",
    "Uma divisão de 10 quadrículas (Inscrição de 0 a 9) Desl. 2",
    "Uma divisão de 10 quadrículas (Numérico de 0 a 9) Desl. 1",
    "Uma divisão de 10 quadrículas (Numérico de 0 a 9) Desl. 2",
};

constexpr std::array<std::string_view, 5> NomesDosDigitos{"Não usar", "10 - simp", "11 - A", "11 - B", "11 - C"};
