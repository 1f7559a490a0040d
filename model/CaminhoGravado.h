#pragma once

#include <string>

// The path a last-file pointer holds, as this system's own path bytes. Linux takes any bytes;
// Windows paths are UTF-8 here, and a pointer that is not valid UTF-8 was written by an older
// Windows program in the machine's ANSI code page.
std::string CaminhoGravadoNoSistema(std::string bytes);

// The path as a pointer holds it: with the system's own separators (backslashes on Windows,
// where the program's paths may carry either).
std::string CaminhoParaGravar(std::string caminho);
