// ortelo-cartao comparar: what differs between two cards.

#include "Comandos.h"
#include "Comparacao.h"
#include "LeituraCartao.h"
#include "Opcoes.h"
#include "Programa.h"

#include <ostream>

int ComandoComparar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros)
{
    const Opcoes opcoes = LerOpcoes(argumentos, {}, {});
    if (!opcoes.Erro.empty())
        return ErroDeUso(erros, opcoes.Erro);
    if (opcoes.Arquivos.size() != 2)
        return ErroDeUso(erros, "comparar recebe exatamente dois arquivos, A e B.");

    // Both files are read first, so each one's error is reported.
    const CartaoLido a = LerCartao(opcoes.Arquivos[0]);
    const CartaoLido b = LerCartao(opcoes.Arquivos[1]);
    if (!a.Cartao)
        erros << RelatoDoErro(opcoes.Arquivos[0], a);
    if (!b.Cartao)
        erros << RelatoDoErro(opcoes.Arquivos[1], b);
    if (!a.Cartao || !b.Cartao)
        return SaidaErro;

    const std::vector<Diferenca> diferencas = CompararCartoes(*a.Cartao, *b.Cartao);
    saida << "A: " << opcoes.Arquivos[0] << "\nB: " << opcoes.Arquivos[1] << "\n";
    if (diferencas.empty()) {
        saida << "Os cartões são iguais.\n";
        return SaidaOk;
    }
    saida << TextoDasDiferencas(diferencas) << diferencas.size()
          << (diferencas.size() == 1 ? " diferença.\n" : " diferenças.\n");
    return SaidaProblemas;
}
