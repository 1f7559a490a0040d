#include "CaminhoGravado.h"

// A path is whatever bytes the system took.
std::string CaminhoGravadoNoSistema(std::string bytes)
{
    return bytes;
}

std::string CaminhoParaGravar(std::string caminho)
{
    return caminho;
}
