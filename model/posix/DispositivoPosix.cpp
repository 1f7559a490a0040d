#include "NomeDeDispositivo.h"

// Every name is a file's here: COM3.cfg is an ordinary card.
std::optional<std::string> RecusaDeDispositivo(const std::string&)
{
    return std::nullopt;
}
