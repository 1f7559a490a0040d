#include "SistemaDeTeste.h"

// Windows keeps its pipes under \\.\pipe\, never in a folder of files.
bool CriarFifo(const std::string&)
{
    return false;
}
