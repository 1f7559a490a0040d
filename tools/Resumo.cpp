#include "Resumo.h"

#include "Disposicoes.h"
#include "PosicoesDoCartao.h"
#include "TextoLegivel.h"
#include "TextosDoCartao.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

using std::to_string;

std::string Intervalo(long long de, long long ate)
{
    return de == ate ? to_string(de) : to_string(de) + " a " + to_string(ate);
}

std::string Colunas(int de, int ate)
{
    return de == ate ? "na coluna " + to_string(de) : "nas colunas " + Intervalo(de, ate);
}

// The mark positions of columns de..ate (1-based) of a layout, as "marcas A a E nas colunas 2 a 6".
std::string Marcas(const Disposicao& disposicao, int de, int ate)
{
    std::vector<int> colunas;
    for (int c = de; c <= ate; ++c)
        if (!EhRotulo(disposicao[static_cast<std::size_t>(c - 1)].Tipo))
            colunas.push_back(c);
    if (colunas.empty())
        return "sem marcas";
    const Coluna& primeira = disposicao[static_cast<std::size_t>(colunas.front() - 1)];
    const Coluna& ultima = disposicao[static_cast<std::size_t>(colunas.back() - 1)];
    const bool uma = colunas.size() == 1;
    const std::string onde = Colunas(colunas.front(), colunas.back());
    if (primeira.Tipo == TipoColuna::MarcaSimples)
        return (uma ? "quadrícula " : "quadrículas ") + onde;
    const std::string rotulos = uma ? std::string(1, primeira.Rotulo)
                                    : std::string(1, primeira.Rotulo) + " a " + std::string(1, ultima.Rotulo);
    return (uma ? "marca " : "marcas ") + rotulos + " " + onde;
}

// Items are numbered down the lines of the first division, then down the next one.
void Itens(std::ostream& saida, const TGrupo& grupo)
{
    const Disposicao* disposicao = DisposicaoDoTipo(grupo.Tipo);
    if (!disposicao) {
        saida << "  Itens:              nenhum, o tipo não tem desenho\n";
        return;
    }
    const long long n = static_cast<long long>(grupo.LinhaFinal) - grupo.LinhaInicial + 1;
    if (n < 1) {
        saida << "  Itens:              nenhum, o grupo termina antes de começar\n";
        return;
    }
    std::vector<int> numeros;  // the item-number column of each division, in division order
    int emBranco = 0;
    for (int c = 1; c <= ColunasPorLinha; ++c) {
        const Coluna& coluna = (*disposicao)[static_cast<std::size_t>(c - 1)];
        if (coluna.Tipo == TipoColuna::NumeroItem)
            numeros.push_back(c);
        else if (coluna.Tipo == TipoColuna::EmBranco)
            emBranco = c;
    }
    if (numeros.empty()) {
        saida << "  Itens:              sem numeração; " << Marcas(*disposicao, 1, ColunasPorLinha) << "\n";
        return;
    }
    const long long m = static_cast<long long>(numeros.size());
    saida << "  Itens:              " << Intervalo(1, m * n) << "\n";
    for (std::size_t k = 0; k < numeros.size(); ++k) {
        // One division owns every mark of the line; with more, each owns the marks after its number.
        const int de = numeros.size() == 1 ? 1 : numeros[k] + 1;
        const int ate = numeros.size() == 1 ? ColunasPorLinha : (k + 1 < numeros.size() ? numeros[k + 1] - 1 : ColunasPorLinha);
        const long long primeiro = static_cast<long long>(k) * n + 1;
        saida << "    divisão " << k + 1 << ": itens " << Intervalo(primeiro, primeiro + n - 1) << ", número na coluna "
              << numeros[k] << ", " << Marcas(*disposicao, de, ate) << "\n";
    }
    if (emBranco)
        saida << "    coluna " << emBranco << " em branco\n";
}

void Grade(std::ostream& saida, const TCartao& cartao)
{
    // Down to the card's end, and further if anything below it is not plainly read.
    int ultima = std::clamp(std::max(cartao.NumLinhas, UltimaLinhaDosGrupos(cartao)), 1, MaxLinhas);
    for (int linha = ultima + 1; linha <= MaxLinhas; ++linha)
        for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna)
            if (cartao.Mascara[static_cast<std::size_t>(IndiceCelula(linha, coluna))] != Lido)
                ultima = linha;

    saida << "Máscara (. lida  # mascarada  n número do item  - em branco  ! rótulo não mascarado  ? outro caractere)\n"
          << "linha grupo  123456789012\n";
    for (int linha = 1; linha <= ultima; ++linha) {
        const int g = GrupoDaLinha(cartao, linha);
        const Disposicao* disposicao = g ? DisposicaoDoTipo(cartao.Grupos[static_cast<std::size_t>(g)].Tipo) : nullptr;
        std::string linhaDaGrade;
        for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna)
            linhaDaGrade += SimboloDaCelula(cartao.Mascara[static_cast<std::size_t>(IndiceCelula(linha, coluna))],
                                            disposicao ? &(*disposicao)[static_cast<std::size_t>(coluna - 1)] : nullptr);
        std::string numero = to_string(linha), grupo = g ? to_string(g) : "-";
        saida << std::string(5 - numero.size(), ' ') << numero << std::string(6 - grupo.size(), ' ') << grupo << "  "
              << linhaDaGrade << "\n";
    }
}

}  // namespace

char SimboloDaCelula(char celula, const Coluna* coluna)
{
    if (celula != Lido && celula != Mascarado)
        return '?';
    const bool mascarada = celula == Mascarado;
    if (coluna && coluna->Tipo == TipoColuna::NumeroItem)
        return mascarada ? 'n' : '!';
    if (coluna && coluna->Tipo == TipoColuna::EmBranco)
        return mascarada ? '-' : '!';
    return mascarada ? '#' : '.';
}

std::string ResumoDoCartao(const TCartao& cartao)
{
    std::ostringstream saida;
    saida << "Porta serial:         " << TextoDaPorta(cartao.PortaSerial) << "\n"
          << "Forma de leitura:     " << TextoDaLeitura(cartao.FormaLeitura) << "\n"
          << "Número de linhas:     " << cartao.NumLinhas << "\n"
          << "Número de grupos:     " << cartao.NumGrupos << "\n"
          << "Dígito verificador:   " << cartao.DigitoVerificador << " (" << TextoDoDigito(cartao.DigitoVerificador) << ")\n"
          << "Elemento 1081:        \"" << CaractereLegivel(cartao.Mascara[TamanhoMascara]) << "\"\n";

    for (int g = 1; g <= GruposEmUso(cartao); ++g) {
        const TGrupo& grupo = cartao.Grupos[static_cast<std::size_t>(g)];
        const long long n = static_cast<long long>(grupo.LinhaFinal) - grupo.LinhaInicial + 1;
        saida << "\nGrupo " << g << " \"" << TextoLegivel(grupo.Nome) << "\"\n"
              << "  Linhas:             " << grupo.LinhaInicial << " a " << grupo.LinhaFinal;
        if (n >= 1)
            saida << " (" << n << (n == 1 ? " linha)" : " linhas)");
        saida << "\n"
              << "  Tipo:               " << grupo.Tipo << " (" << TextoDoTipo(grupo.Tipo) << ")\n"
              << "  Habilitado:         " << TextoDoHabilitado(grupo.Habilitado) << "\n";
        Itens(saida, grupo);
    }
    saida << "\n";
    Grade(saida, cartao);
    return saida.str();
}
