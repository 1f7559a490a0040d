#include "NomeDeDispositivo.h"

std::optional<std::string> RecusaDeDispositivo(const std::string& caminho)
{
    const auto dispositivo = DispositivoDoWindows(caminho);
    if (!dispositivo)
        return std::nullopt;
    return "\"" + caminho + "\" não pode ser usado: " + *dispositivo +
           " é o nome de um dispositivo do Windows, não de um arquivo. Escolha outro nome.";
}
