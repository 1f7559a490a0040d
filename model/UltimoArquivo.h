#pragma once

#include <string>
#include <string_view>

// The last-file pointer: one file holding the path of the last cfg file opened or saved,
// as the platform's own bytes, without a line end.

// The path the pointer file's bytes hold: their first line (up to the first CR, or all of them).
std::string InterpretarUltimoArquivo(std::string_view bytes);

// The path in the pointer file; throws ErroCartao when the file cannot be read.
std::string LerUltimoArquivo(const std::string& arqCfgInf);

// Replaces the pointer file atomically by `caminho`, in the system's separators; throws ErroCartao.
void GravarUltimoArquivo(const std::string& arqCfgInf, const std::string& caminho);
