#include "NomeDeDispositivo.h"

#include "ErroCartao.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

bool IguaisSemCaixa(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

bool EhDigito(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::string> DispositivoDoWindows(std::string_view nome)
{
    if (const auto barra = nome.find_last_of("/\\"); barra != std::string_view::npos)
        nome.remove_prefix(barra + 1);
    // The device is the name before its first dot (or a stream's colon), less the spaces Windows
    // strips from its end.
    std::string_view base = nome.substr(0, nome.find_first_of(".:"));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    constexpr std::array<std::string_view, 4> simples{"CON", "PRN", "AUX", "NUL"};
    const bool ehSimples =
        std::any_of(simples.begin(), simples.end(), [&](std::string_view d) { return IguaisSemCaixa(base, d); });
    const bool ehPorta = base.size() == 4 && EhDigito(base[3]) &&
                         (IguaisSemCaixa(base.substr(0, 3), "COM") || IguaisSemCaixa(base.substr(0, 3), "LPT"));
    if (!ehSimples && !ehPorta)
        return std::nullopt;
    return std::string(base);
}

void RecusarDispositivo(const std::string& caminho)
{
    if (const auto recusa = RecusaDeDispositivo(caminho))
        throw ErroCartao(*recusa);
}
