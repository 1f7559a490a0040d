#pragma once

#include <cstddef>
#include <string>

// No card file comes near this size; anything larger is refused before a byte of it is read.
constexpr std::size_t TamanhoMaximoDeArquivo = std::size_t{16} << 20;  // 16 MiB

// The whole content of an ordinary file of at most TamanhoMaximoDeArquivo bytes, held once in
// memory. Throws ErroCartao naming the path and the reason: missing, not an ordinary file,
// too large, or a read error.
std::string LerArquivoInteiro(const std::string& caminho);

// Why the file cannot be opened for reading, in the system's Portuguese reason; empty when it can.
std::string MotivoParaNaoLer(const std::string& caminho);
