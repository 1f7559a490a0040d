// ortelo-cartao mostrar: a readable summary of one card.

#include "Comandos.h"
#include "LeituraCartao.h"
#include "Opcoes.h"
#include "Programa.h"
#include "Resumo.h"

#include <ostream>

int ComandoMostrar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros)
{
    const Opcoes opcoes = LerOpcoes(argumentos, {}, {});
    if (!opcoes.Erro.empty())
        return ErroDeUso(erros, opcoes.Erro);
    if (opcoes.Arquivos.size() != 1)
        return ErroDeUso(erros, "mostrar recebe exatamente um arquivo.");

    const std::string& caminho = opcoes.Arquivos.front();
    const CartaoLido lido = LerCartao(caminho);
    if (!lido.Cartao) {
        erros << RelatoDoErro(caminho, lido);
        return SaidaErro;
    }
    saida << "Arquivo:              " << caminho << "\n" << ResumoDoCartao(*lido.Cartao);
    return SaidaOk;
}
