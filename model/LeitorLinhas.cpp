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
    const auto fim = resto_.find(CR);
    if (fim == std::string_view::npos) {
        const std::string_view linha = resto_;
        resto_ = {};
        return linha;
    }
    const std::string_view linha = resto_.substr(0, fim);
    const std::size_t fimDeLinha = fim + 1 < resto_.size() && resto_[fim + 1] == LF ? 2 : 1;
    resto_.remove_prefix(fim + fimDeLinha);
    return linha;
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
