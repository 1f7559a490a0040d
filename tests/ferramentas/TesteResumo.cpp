// mostrar: the summary of a card and the symbols of its mask grid.

#include "CartoesDeTeste.h"
#include "Disposicoes.h"
#include "Resumo.h"

#include <gtest/gtest.h>

namespace {

TEST(Resumo, ShowsSettingsGroupsItemsAndTheMaskGrid)
{
    TCartao cartao = CartaoDoEditor();
    cartao.Grupos[2].Habilitado = 2;
    Celula(cartao, 4, 3) = Mascarado;
    Celula(cartao, 6, 5) = Lido;
    Celula(cartao, 8, 1) = '?';
    EXPECT_EQ(ResumoDoCartao(cartao),
              "Porta serial:         COM 3\n"
              "Forma de leitura:     Bidirecional\n"
              "Número de linhas:     6\n"
              "Número de grupos:     2\n"
              "Dígito verificador:   1 (10 - simp)\n"
              "Elemento 1081:        \"0\"\n"
              "\n"
              "Grupo 1 \"Inscrição\"\n"
              "  Linhas:             1 a 3 (3 linhas)\n"
              "  Tipo:               1 (Uma divisão de 10 quadrículas (Inscrição de 0 a 9))\n"
              "  Habilitado:         sim\n"
              "  Itens:              1 a 3\n"
              "    divisão 1: itens 1 a 3, número na coluna 2, marcas 0 a 9 nas colunas 3 a 12\n"
              "    coluna 1 em branco\n"
              "\n"
              "Grupo 2 \"Questões\"\n"
              "  Linhas:             4 a 6 (3 linhas)\n"
              "  Tipo:               4 (Três divisões de 3 quadrículas (A B C))\n"
              "  Habilitado:         não (valor 2)\n"
              "  Itens:              1 a 9\n"
              "    divisão 1: itens 1 a 3, número na coluna 1, marcas A a C nas colunas 2 a 4\n"
              "    divisão 2: itens 4 a 6, número na coluna 5, marcas A a C nas colunas 6 a 8\n"
              "    divisão 3: itens 7 a 9, número na coluna 9, marcas A a C nas colunas 10 a 12\n"
              "\n"
              "Máscara (. lida  # mascarada  n número do item  - em branco  ! rótulo não mascarado  ? outro caractere)\n"
              "linha grupo  123456789012\n"
              "    1     1  -n..........\n"
              "    2     1  -n..........\n"
              "    3     1  -n..........\n"
              "    4     2  n.#.n...n...\n"
              "    5     2  n...n...n...\n"
              "    6     2  n...!...n...\n"
              "    7     -  ............\n"
              "    8     -  ?...........\n");
}

TEST(Resumo, CellSymbols)
{
    const Coluna numero{TipoColuna::NumeroItem, 0, 1}, branco{TipoColuna::EmBranco, 0, 0},
        letra{TipoColuna::MarcaRotulada, 'A', 0};
    struct {
        char Celula;
        const Coluna* Tipo;
        char Simbolo;
    } const casos[] = {
        {'1', &numero, 'n'}, {'0', &numero, '!'}, {'1', &branco, '-'}, {'0', &branco, '!'},
        {'1', &letra, '#'},  {'0', &letra, '.'},  {'1', nullptr, '#'}, {'0', nullptr, '.'},
        {'\x1A', &numero, '?'},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(SimboloDaCelula(caso.Celula, caso.Tipo), caso.Simbolo) << caso.Celula;
}

}  // namespace
