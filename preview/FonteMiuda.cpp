#include "FonteMiuda.h"

const Glifo* GlifoDe(char caractere)
{
    const std::uint8_t indice = FonteMiuda::IndiceDoGlifo[static_cast<unsigned char>(caractere)];
    return indice == 0 ? nullptr : &FonteMiuda::Glifos[indice];
}
