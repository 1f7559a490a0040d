#include "TextosDoCartao.h"

#include "Concatenar.h"
#include "ListasDoCartao.h"
#include "TextoLegivel.h"

#include <array>
#include <string_view>

namespace {

template <std::size_t N>
std::string_view DaLista(const std::array<std::string_view, N>& lista, std::int32_t indice)
{
    return indice >= 0 && static_cast<std::size_t>(indice) < N ? lista[static_cast<std::size_t>(indice)]
                                                              : std::string_view{};
}

}  // namespace

std::string TextoDoTipo(std::int32_t tipo)
{
    const std::string_view texto = DaLista(NomesDosTipos, tipo);
    return texto.empty() ? "tipo desconhecido, o grupo não é desenhado" : std::string(texto);
}

std::string TextoDoDigito(std::int32_t digito)
{
    const std::string_view texto = DaLista(NomesDosDigitos, digito);
    return texto.empty() ? "valor desconhecido, a lista não o mostra" : std::string(texto);
}

std::string TextoDaLeitura(char formaLeitura)
{
    if (formaLeitura == 'U')
        return "Unidirecional";
    if (formaLeitura == 'B')
        return "Bidirecional";
    return Concatenar({"\"", CaractereLegivel(formaLeitura), "\" (forma desconhecida)"});
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
