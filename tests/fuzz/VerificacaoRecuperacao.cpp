#include "VerificacaoRecuperacao.h"

#include "ArquivoCfg.h"
#include "ArquivoRecuperacao.h"
#include "ErroCartao.h"
#include "VerificacaoCfg.h"

std::string VerificarRecuperacao(std::string_view bytes)
{
    if (std::string falha = VerificarEntrada(bytes); !falha.empty())
        return falha;
    TCartao anterior;
    IniciarPadroes(anterior);
    MontarCartaoNovo(anterior);
    const ResultadoCfg comoCfg = InterpretarCfg(bytes, anterior);
    CartaoRecuperado lido;
    try {
        lido = InterpretarRecuperacao(bytes, anterior);
    } catch (const ErroCartao& erro) {
        if (comoCfg.Cartao)
            return "refused a card the cfg reader accepts";
        if (erro.Linha() != comoCfg.Recusa.Linha || erro.what() != comoCfg.Recusa.Razao)
            return "refused for another reason than the cfg reader";
        return {};
    }
    if (!comoCfg.Cartao || *comoCfg.Cartao != lido.Cartao)
        return "read another card than the cfg reader";
    const std::size_t fim = bytes.find('\x1A');
    const std::string_view depois = fim == std::string_view::npos ? std::string_view() : bytes.substr(fim + 1);
    if (fim == std::string_view::npos ? lido.Caminho.has_value() : lido.Caminho != depois.substr(0, depois.find('\0')))
        return "the path is not what follows the first 0x1A, up to a NUL";
    if (lido.Base && depois.find('\0') == std::string_view::npos)
        return "a base read where the bytes hold none";

    const std::string caminho = lido.Caminho.value_or("");
    const CartaoRecuperado relido =
        InterpretarRecuperacao(ConteudoRecuperacao(lido.Cartao, caminho, lido.Base), anterior);
    if (relido.Cartao != lido.Cartao || relido.Caminho != caminho || relido.Base != lido.Base)
        return "write, read gave another card, path or base";
    return {};
}
