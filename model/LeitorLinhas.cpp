#include "LeitorLinhas.h"

#include <limits>

namespace {
constexpr char CR = 0x0D;
constexpr char LF = 0x0A;
constexpr char FimDeArquivo = 0x1A;
}

LeitorLinhas::LeitorLinhas(std::string_view bytes) : resto_(bytes.substr(0, bytes.find(FimDeArquivo))) {}

std::optional<std::string_view> LeitorLinhas::LerLinha()
{
    if (resto_.empty())
        return std::nullopt;
    // Plain pointers: a card file is a thousand short lines, so the cost per line is what
    // reading costs.
    const char* const inicio = resto_.data();
    const char* const fimDosDados = inicio + resto_.size();
    // Most lines hold one byte: the mask and most numbers.
    if (resto_.size() >= 3 && inicio[1] == CR && inicio[2] == LF && inicio[0] != CR) {
        resto_ = std::string_view(inicio + 3, resto_.size() - 3);
        return std::string_view(inicio, 1);
    }
    const char* fim = inicio;
    while (fim != fimDosDados && *fim != CR)
        ++fim;
    const char* proxima = fim;
    if (proxima != fimDosDados && ++proxima != fimDosDados && *proxima == LF)
        ++proxima;
    resto_ = std::string_view(proxima, static_cast<std::size_t>(fimDosDados - proxima));
    return std::string_view(inicio, static_cast<std::size_t>(fim - inicio));
}

std::optional<std::int32_t> ConverterInteiro(std::string_view texto)
{
    std::size_t i = 0;
    while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t'))
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        negativo = texto[i++] == '-';
    if (i == texto.size())
        return std::nullopt;

    // Accumulate as a negative number so that the lowest 32-bit value fits too.
    constexpr long long menor = std::numeric_limits<std::int32_t>::min();
    long long valor = 0;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        valor = valor * 10 - (c - '0');
        if (valor < menor)
            return std::nullopt;
    }
    if (!negativo) {
        valor = -valor;
        if (valor > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(valor);
}
