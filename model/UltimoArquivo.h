#pragma once

#include <string>

// The last-file pointer: one file holding the path of the last cfg file opened or saved,
// as the platform's own bytes, without a line end.

// The first line of the pointer file (up to the first CR, or all of it); throws ErroCartao.
std::string LerUltimoArquivo(const std::string& arqCfgInf);

// Replaces the pointer file atomically by `caminho`; throws ErroCartao.
void GravarUltimoArquivo(const std::string& arqCfgInf, const std::string& caminho);
