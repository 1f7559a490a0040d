#include "SistemaDeTeste.h"

#include <sys/stat.h>

bool CriarFifo(const std::string& caminho)
{
    return ::mkfifo(caminho.c_str(), 0600) == 0;
}
