#include "Opcoes.h"

Opcoes LerOpcoes(const std::vector<std::string>& argumentos, const std::set<std::string>& chaves,
                 const std::set<std::string>& comValor)
{
    Opcoes opcoes;
    bool soArquivos = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        if (soArquivos || argumento.empty() || argumento.front() != '-') {
            opcoes.Arquivos.push_back(argumento);
        } else if (argumento == "--") {
            soArquivos = true;
        } else if (chaves.count(argumento)) {
            opcoes.Chaves.insert(argumento);
        } else if (comValor.count(argumento)) {
            if (i + 1 == argumentos.size()) {
                opcoes.Erro = "falta o valor da opção " + argumento + ".";
                return opcoes;
            }
            opcoes.Valores[argumento] = argumentos[++i];
        } else {
            opcoes.Erro = "opção desconhecida: \"" + argumento + "\".";
            return opcoes;
        }
    }
    return opcoes;
}
