#pragma once

#include <string>

// How a whole-file read fails, worded once for every system's reader: the action, the path and
// the system's reason; or a file over the size limit.
[[noreturn]] void FalharLeitura(const std::string& acao, const std::string& caminho, int erro);
[[noreturn]] void RecusarTamanho(const std::string& caminho);
