#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The parts one after the other, built by appending alone. A chain of + whose first operand is
// a literal or a temporary makes libstdc++ 12 insert at the front of a temporary, and GCC 12's
// optimiser then warns (-Wrestrict) of an overlap that cannot happen; appending gives it
// nothing to say.
inline std::string Concatenar(std::initializer_list<std::string_view> partes)
{
    std::size_t tamanho = 0;
    for (const std::string_view parte : partes)
        tamanho += parte.size();
    std::string texto;
    texto.reserve(tamanho);
    for (const std::string_view parte : partes)
        texto += parte;
    return texto;
}
