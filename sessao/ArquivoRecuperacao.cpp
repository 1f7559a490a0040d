#include "ArquivoRecuperacao.h"

#include "ArquivoCfg.h"
#include "ErroCartao.h"
#include "LeituraCfg.h"

namespace {

constexpr char FimDoCartao = '\x1A';

}  // namespace

std::string ConteudoRecuperacao(const TCartao& cartao, const std::string& caminho)
{
    return ConteudoArquivoCfg(cartao) + FimDoCartao + caminho;
}

CartaoRecuperado InterpretarRecuperacao(std::string_view bytes, const TCartao& anterior)
{
    ResultadoCfg lido = InterpretarCfg(bytes, anterior);
    if (!lido.Cartao)
        throw ErroCartao(lido.Recusa.Razao, lido.Recusa.Linha);
    CartaoRecuperado recuperado{std::move(*lido.Cartao), std::nullopt};
    if (const auto fim = bytes.find(FimDoCartao); fim != std::string_view::npos)
        recuperado.Caminho = std::string(bytes.substr(fim + 1));
    return recuperado;
}
