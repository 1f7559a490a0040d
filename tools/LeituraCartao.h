#pragma once

#include "Cartao.h"

#include <optional>
#include <string>

// One cfg file read by the program's own reader, or the reason it was refused.
struct CartaoLido {
    std::optional<TCartao> Cartao;
    std::string Erro;       // the reader's Portuguese reason, when the file was refused
    int LinhaDoErro = 0;    // the file line it names, 0 when none applies
};

// Never throws: every failure of one file is reported for that file alone.
CartaoLido LerCartao(const std::string& caminho);

// "arquivo:N: " with the file line where one applies, as compilers and editors write it.
std::string PrefixoDoArquivo(const std::string& caminho, int linhaDoArquivo);

// The line reporting why a file was refused, with its line end.
std::string RelatoDoErro(const std::string& caminho, const CartaoLido& lido);
