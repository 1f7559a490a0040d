#pragma once

#include <string>

// The system's error codes as the rest of the program knows them: the C library's errno values,
// so that MotivoSistema gives one Portuguese text per reason on every platform. A Windows error
// with no such equivalent is kept whole as ErroSoDoWindows + its code.
constexpr int ErroSoDoWindows = 0x10000;
int ErroDoSistema(unsigned long codigoWindows);
// The error of the last failed call (GetLastError).
int UltimoErro();
