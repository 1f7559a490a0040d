#include "TextosDoCartao.h"

#include "TextoLegivel.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 11> TiposDeGrupo{
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

constexpr std::array<std::string_view, 5> DigitosVerificadores{"Não usar", "10 - simp", "11 - A", "11 - B",
                                                               "11 - C"};

template <std::size_t N>
std::string_view DaLista(const std::array<std::string_view, N>& lista, std::int32_t indice)
{
    return indice >= 0 && static_cast<std::size_t>(indice) < N ? lista[static_cast<std::size_t>(indice)]
                                                              : std::string_view{};
}

}  // namespace

std::string TextoDoTipo(std::int32_t tipo)
{
    const std::string_view texto = DaLista(TiposDeGrupo, tipo);
    return texto.empty() ? "tipo desconhecido, o grupo não é desenhado" : std::string(texto);
}

std::string TextoDoDigito(std::int32_t digito)
{
    const std::string_view texto = DaLista(DigitosVerificadores, digito);
    return texto.empty() ? "valor desconhecido, a lista não o mostra" : std::string(texto);
}

std::string TextoDaLeitura(char formaLeitura)
{
    if (formaLeitura == 'U')
        return "Unidirecional";
    if (formaLeitura == 'B')
        return "Bidirecional";
    return "\"" + CaractereLegivel(formaLeitura) + "\" (forma desconhecida)";
}

std::string TextoDaPorta(std::int32_t porta)
{
    const std::string numero = std::to_string(porta);
    return porta >= 1 && porta <= 9 ? "COM " + numero : numero + " (porta desconhecida)";
}

std::string TextoDoHabilitado(std::uint8_t habilitado)
{
    // Only 1 counts as enabled, so any other value is "no", with the value shown.
    if (habilitado == 1)
        return "sim";
    if (habilitado == 0)
        return "não";
    return "não (valor " + std::to_string(habilitado) + ")";
}
