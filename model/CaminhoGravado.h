#pragma once

#include <string>

// The path a last-file pointer holds, as this system's own path bytes. Linux takes any bytes;
// Windows paths are UTF-8 here, and a pointer that is not valid UTF-8 was written by an older
// Windows program in Windows-1252.
std::string CaminhoGravadoNoSistema(std::string bytes);
