#include "VerificacaoCfg.h"

#include "ArquivoCfg.h"
#include "CaminhoGravado.h"
#include "UltimoArquivo.h"

namespace {

// A full card unlike the first-time one, so that a record the file leaves alone is told apart
// from one it wrote.
TCartao CartaoAnterior()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    cartao.NumGrupos = MaxGrupos;
    cartao.NumLinhas = MaxLinhas;
    for (int g = 1; g <= MaxGrupos; ++g)
        cartao.Grupos[g] = TGrupo{"anterior " + std::to_string(g), 9 * g - 8, 9 * g, g, 1};
    for (int k = 1; k <= TamanhoMascara; k += 5)
        cartao.Mascara[k] = Mascarado;
    return cartao;
}

bool DentroDosLimites(const TCartao& cartao)
{
    if (!LinhaNaGrade(cartao.NumLinhas) || cartao.NumGrupos < 1 || cartao.NumGrupos > MaxGrupos)
        return false;
    for (int g = 1; g <= cartao.NumGrupos; ++g)
        if (!LinhaNaGrade(cartao.Grupos[g].LinhaInicial) || !LinhaNaGrade(cartao.Grupos[g].LinhaFinal))
            return false;
    return true;
}

// The lines of a file as its reader counts them: up to 0x1A, each CR ends one (an LF after it
// belongs to it), and text after the last line end is one more.
long ContarLinhas(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1A'));
    long linhas = 0;
    std::size_t fim;
    while ((fim = bytes.find('\r')) != std::string_view::npos) {
        ++linhas;
        bytes.remove_prefix(fim + 1);
        if (bytes.starts_with('\n'))
            bytes.remove_prefix(1);
    }
    return linhas + (bytes.empty() ? 0 : 1);
}

std::string VerificarRecusa(std::string_view bytes, const RecusaCfg& recusa)
{
    // The line at fault is one the file has, or the one after its last when it ends too early;
    // none for a file that is no card file at all: empty, binary, or without a line end.
    const bool semLinhas = bytes.empty() || bytes.find('\0') != std::string_view::npos ||
                           bytes.find_first_of("\r\n") == std::string_view::npos;
    const long linhas = ContarLinhas(bytes);
    if (recusa.Linha == 0 ? !semLinhas : recusa.Linha < 1 || recusa.Linha > linhas + 1)
        return "refused at line " + std::to_string(recusa.Linha) + " of a file of " + std::to_string(linhas);
    if (recusa.Razao.empty())
        return "refused without a reason";
    return {};
}

std::string VerificarCartao(const TCartao& cartao, const TCartao& anterior)
{
    if (!DentroDosLimites(cartao))
        return "accepted a card outside the limits";
    for (int g = cartao.NumGrupos + 1; g <= MaxGrupos; ++g)
        if (cartao.Grupos[g] != anterior.Grupos[g])
            return "changed record " + std::to_string(g) + ", which the file does not hold";

    const std::string escrito = ConteudoArquivoCfg(cartao);
    const ResultadoCfg relido = InterpretarCfg(escrito, anterior);
    if (!relido.Cartao)
        return "refused its own writing at line " + std::to_string(relido.Recusa.Linha) + ": " + relido.Recusa.Razao;
    if (*relido.Cartao != cartao)
        return "read its own writing as another card";
    if (ConteudoArquivoCfg(*relido.Cartao) != escrito)
        return "write, read, write gave other bytes";
    return {};
}

std::string VerificarUltimoArquivo(std::string_view bytes)
{
    // The whole first line, as this system takes path bytes (Windows reads a pointer that is not
    // UTF-8 as Windows-1252): neither more nor less.
    const std::string linha(bytes.substr(0, bytes.find_first_of("\r\x1A")));
    if (InterpretarUltimoArquivo(bytes) != CaminhoGravadoNoSistema(linha))
        return "the pointer's path is not its first line";
    return {};
}

}  // namespace

std::string VerificarEntrada(std::string_view bytes)
{
    static const TCartao anterior = CartaoAnterior();
    const ResultadoCfg resultado = InterpretarCfg(bytes, anterior);
    std::string falha = resultado.Cartao ? VerificarCartao(*resultado.Cartao, anterior)
                                         : VerificarRecusa(bytes, resultado.Recusa);
    if (falha.empty())
        falha = VerificarUltimoArquivo(bytes);
    return falha;
}
