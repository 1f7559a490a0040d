#include "LeituraCfg.h"

#include "ArquivoCfg.h"
#include "LeitorLinhas.h"
#include "RecusaDoArquivoTodo.h"

#include <algorithm>

namespace {

// Reads the lines of one cfg file in order, knowing which line it is on and, once the group
// count is known, how many lines the file must have. Each step returns false once the file is
// refused, and the refusal says why; refusals are common input, so they are values, not throws.
class Leitura {
public:
    explicit Leitura(std::string_view bytes) : bytes_(bytes), leitor_(bytes) {}

    void DefinirTotal(int total) { total_ = total; }
    const RecusaCfg& Recusa() const { return recusa_; }

    bool Texto(std::string_view& texto)
    {
        ++linha_;
        const auto lida = leitor_.LerLinha();
        if (!lida)
            return RecusarFim();
        texto = *lida;
        return true;
    }

    bool Inteiro(std::int32_t& valor)
    {
        std::string_view texto;
        if (!Texto(texto))
            return false;
        const auto convertido = ConverterInteiro(texto);
        // A lone LF is text to the reader, so a file with LF line ends holds them in its first
        // line: the line reads "1" in any editor, and "not a number" would send the operator
        // looking for a typo.
        if (!convertido && texto.find('\n') != std::string_view::npos)
            return Recusar("A linha " + std::to_string(linha_) +
                           " termina só com LF; um arquivo de cartão termina cada linha com CR LF.");
        if (!convertido)
            return Recusar("A linha " + std::to_string(linha_) + " não é um número inteiro.");
        valor = *convertido;
        return true;
    }

    bool InteiroEntre(std::int32_t& valor, std::int32_t minimo, std::int32_t maximo, const char* oQue, int grupo = 0)
    {
        if (!Inteiro(valor))
            return false;
        if (valor >= minimo && valor <= maximo)
            return true;
        const std::string doGrupo = grupo > 0 ? " do grupo " + std::to_string(grupo) : "";
        return Recusar("A linha " + std::to_string(linha_) + " traz " + oQue + doGrupo + " " + std::to_string(valor) +
                       ", fora do intervalo de " + std::to_string(minimo) + " a " + std::to_string(maximo) + ".");
    }

    // The first character of the line; the rest of the line is ignored.
    bool Caractere(char& caractere)
    {
        std::string_view texto;
        if (!Texto(texto))
            return false;
        if (texto.empty())
            return Recusar("A linha " + std::to_string(linha_) + " está vazia.");
        caractere = texto.front();
        return true;
    }

private:
    bool Recusar(std::string razao, int linha)
    {
        recusa_ = RecusaCfg{linha, std::move(razao)};
        return false;
    }

    bool Recusar(std::string razao) { return Recusar(std::move(razao), linha_); }

    // The file ended before line linha_. Its last line is the one at fault; where a 0x1A byte
    // ended it, that byte's line, as an editor shows the file whole.
    bool RecusarFim()
    {
        const std::size_t fimDeArquivo = bytes_.find('\x1A');
        if (fimDeArquivo == std::string_view::npos) {
            const int ultima = linha_ - 1;
            const std::string de = total_ > 0 ? " de " + std::to_string(total_) : "";
            return Recusar("O arquivo termina na linha " + std::to_string(ultima) + de + ".", ultima);
        }
        // Every CR ends one line, an LF after it included.
        const auto antes = bytes_.substr(0, fimDeArquivo);
        const int linha = 1 + static_cast<int>(std::count(antes.begin(), antes.end(), '\r'));
        const std::string ultima = total_ > 0 ? " (" + std::to_string(total_) + ")" : "";
        return Recusar("O byte de fim de arquivo 0x1A na linha " + std::to_string(linha) +
                           " encerra o cartão antes da última linha" + ultima + ".",
                       linha);
    }

    std::string_view bytes_;
    LeitorLinhas leitor_;
    int linha_ = 0;
    int total_ = 0;
    RecusaCfg recusa_;
};

bool LerGrupo(Leitura& leitura, TGrupo& grupo, int g)
{
    std::string_view nome;
    std::int32_t habilitado = 0;
    if (!leitura.Texto(nome) || !leitura.InteiroEntre(grupo.LinhaInicial, 1, MaxLinhas, "a linha inicial", g) ||
        !leitura.InteiroEntre(grupo.LinhaFinal, 1, MaxLinhas, "a linha final", g) || !leitura.Inteiro(grupo.Tipo) ||
        !leitura.Inteiro(habilitado))
        return false;
    grupo.Nome = nome;
    grupo.Habilitado = static_cast<std::uint8_t>(habilitado & 0xFF);
    return true;
}

bool LerCartao(Leitura& leitura, TCartao& lido)
{
    if (!leitura.Inteiro(lido.PortaSerial) || !leitura.Caractere(lido.FormaLeitura) ||
        !leitura.InteiroEntre(lido.NumLinhas, 1, MaxLinhas, "o número de linhas") ||
        !leitura.InteiroEntre(lido.NumGrupos, 1, MaxGrupos, "o número de grupos"))
        return false;
    leitura.DefinirTotal(LinhasDoArquivoCfg(lido.NumGrupos));
    if (!leitura.Inteiro(lido.DigitoVerificador))
        return false;
    for (int g = 1; g <= lido.NumGrupos; ++g)
        if (!LerGrupo(leitura, lido.Grupos[g], g))
            return false;
    for (int k = 1; k <= TamanhoMascara; ++k)
        if (!leitura.Caractere(lido.Mascara[k]))
            return false;
    return true;
}

}  // namespace

ResultadoCfg InterpretarCfg(std::string_view bytes, const TCartao& anterior)
{
    Leitura leitura(bytes);
    // Records beyond the file's group count keep what they held, so start from the old card.
    ResultadoCfg resultado{.Cartao = anterior, .Recusa = {}};
    if (!LerCartao(leitura, *resultado.Cartao)) {
        resultado.Cartao.reset();
        resultado.Recusa = RecusaDoArquivoTodo(bytes).value_or(leitura.Recusa());
    }
    return resultado;
}
