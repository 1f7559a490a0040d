#include "ArquivoCfg.h"

#include "ErroCartao.h"
#include "GravacaoAtomica.h"
#include "LeitorLinhas.h"

namespace {

void Escrever(std::string& saida, const std::string& texto)
{
    saida += texto;
    saida += "\r\n";
}

void EscreverInteiro(std::string& saida, long long valor) { Escrever(saida, std::to_string(valor)); }

void EscreverCaractere(std::string& saida, char caractere) { Escrever(saida, std::string(1, caractere)); }

// Reads the lines of one cfg file in order, knowing which line it is on and, once the group
// count is known, how many lines the file must have.
class LeituraCfg {
public:
    explicit LeituraCfg(const std::string& caminho) : leitor_(caminho) {}

    void DefinirTotal(int total) { total_ = total; }

    std::string Texto()
    {
        ++linha_;
        auto texto = leitor_.LerLinha();
        if (!texto) {
            const std::string de = total_ > 0 ? " de " + std::to_string(total_) : "";
            throw ErroCartao("O arquivo termina na linha " + std::to_string(linha_ - 1) + de + ".", linha_);
        }
        return *texto;
    }

    std::int32_t Inteiro()
    {
        const std::string texto = Texto();
        const auto valor = ConverterInteiro(texto);
        if (!valor)
            throw ErroCartao("A linha " + std::to_string(linha_) + " não é um número inteiro.", linha_);
        return *valor;
    }

    std::int32_t InteiroEntre(std::int32_t minimo, std::int32_t maximo, const std::string& oQue)
    {
        const std::int32_t valor = Inteiro();
        if (valor < minimo || valor > maximo)
            throw ErroCartao("A linha " + std::to_string(linha_) + " traz " + oQue + " " + std::to_string(valor) +
                                 ", fora do intervalo de " + std::to_string(minimo) + " a " +
                                 std::to_string(maximo) + ".",
                             linha_);
        return valor;
    }

    // The first character of the line; the rest of the line is ignored.
    char Caractere()
    {
        const std::string texto = Texto();
        if (texto.empty())
            throw ErroCartao("A linha " + std::to_string(linha_) + " está vazia.", linha_);
        return texto.front();
    }

private:
    LeitorLinhas leitor_;
    int linha_ = 0;
    int total_ = 0;
};

}  // namespace

std::string ConteudoArquivoCfg(const TCartao& cartao)
{
    std::string saida;
    saida.reserve(4096);
    EscreverInteiro(saida, cartao.PortaSerial);
    EscreverCaractere(saida, cartao.FormaLeitura);
    EscreverInteiro(saida, cartao.NumLinhas);
    EscreverInteiro(saida, cartao.NumGrupos);
    EscreverInteiro(saida, cartao.DigitoVerificador);
    // Records beyond the table are never written, whatever the count says.
    for (int g = 1; g <= cartao.NumGrupos && g <= MaxGrupos; ++g) {
        const TGrupo& grupo = cartao.Grupos[g];
        Escrever(saida, grupo.Nome);
        EscreverInteiro(saida, grupo.LinhaInicial);
        EscreverInteiro(saida, grupo.LinhaFinal);
        EscreverInteiro(saida, grupo.Tipo);
        EscreverInteiro(saida, grupo.Habilitado);
    }
    for (int k = 1; k <= TamanhoMascara; ++k)
        EscreverCaractere(saida, cartao.Mascara[k]);
    return saida;
}

void GravarArquivoCfg(const std::string& caminho, const TCartao& cartao)
{
    GravarArquivoAtomico(caminho, ConteudoArquivoCfg(cartao));
}

void LerArquivoCfg(const std::string& caminho, TCartao& cartao)
{
    // Records beyond the file's group count keep what they held, so start from the card.
    TCartao lido = cartao;
    LeituraCfg leitura(caminho);

    lido.PortaSerial = leitura.Inteiro();
    lido.FormaLeitura = leitura.Caractere();
    lido.NumLinhas = leitura.InteiroEntre(1, MaxLinhas, "o número de linhas");
    lido.NumGrupos = leitura.InteiroEntre(1, MaxGrupos, "o número de grupos");
    leitura.DefinirTotal(LinhasDoArquivoCfg(lido.NumGrupos));
    lido.DigitoVerificador = leitura.Inteiro();

    for (int g = 1; g <= lido.NumGrupos; ++g) {
        TGrupo& grupo = lido.Grupos[g];
        grupo.Nome = leitura.Texto();
        grupo.LinhaInicial = leitura.InteiroEntre(1, MaxLinhas, "a linha inicial do grupo " + std::to_string(g));
        grupo.LinhaFinal = leitura.InteiroEntre(1, MaxLinhas, "a linha final do grupo " + std::to_string(g));
        grupo.Tipo = leitura.Inteiro();
        grupo.Habilitado = static_cast<std::uint8_t>(leitura.Inteiro() & 0xFF);
    }
    for (int k = 1; k <= TamanhoMascara; ++k)
        lido.Mascara[k] = leitura.Caractere();

    cartao = std::move(lido);
}
