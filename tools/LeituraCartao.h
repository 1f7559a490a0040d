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
