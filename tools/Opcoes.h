#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// The arguments of one subcommand split into file names, switches and options with a value.
// Anything starting with "-" is an option until a "--", after which all are file names.
struct Opcoes {
    std::vector<std::string> Arquivos;
    std::set<std::string> Chaves;
    std::map<std::string, std::string> Valores;
    std::string Erro;  // empty when the arguments were understood
};

Opcoes LerOpcoes(const std::vector<std::string>& argumentos, const std::set<std::string>& chaves,
                 const std::set<std::string>& comValor);
