#include "ArquivoRecuperacao.h"

#include "ArquivoCfg.h"
#include "ErroCartao.h"
#include "LeituraCfg.h"

#include <charconv>

namespace {

constexpr char FimDoCartao = '\x1A';
constexpr std::string_view MarcaDaBase = std::string_view("\0base=", 6);

// The base's 16 hex digits, exactly; anything else records no base.
std::optional<std::uint64_t> LerBase(std::string_view resto)
{
    if (!resto.starts_with(MarcaDaBase))
        return std::nullopt;
    resto.remove_prefix(MarcaDaBase.size());
    std::uint64_t base = 0;
    const auto [fim, erro] = std::from_chars(resto.data(), resto.data() + resto.size(), base, 16);
    if (erro != std::errc() || fim != resto.data() + resto.size() || resto.size() != 16)
        return std::nullopt;
    return base;
}

}  // namespace

std::uint64_t ImpressaoDoConteudo(std::string_view bytes)
{
    std::uint64_t impressao = 0xcbf29ce484222325u;
    for (const char byte : bytes) {
        impressao ^= static_cast<unsigned char>(byte);
        impressao *= 0x100000001b3u;
    }
    return impressao;
}

std::string ConteudoRecuperacao(const TCartao& cartao, const std::string& caminho, std::optional<std::uint64_t> base)
{
    std::string conteudo = ConteudoArquivoCfg(cartao) + FimDoCartao + caminho;
    if (base) {
        char hex[17] = {};
        const auto fim = std::to_chars(hex, hex + 16, *base, 16).ptr;
        conteudo += MarcaDaBase;
        conteudo.append(16 - static_cast<std::size_t>(fim - hex), '0');
        conteudo.append(hex, fim);
    }
    return conteudo;
}

CartaoRecuperado InterpretarRecuperacao(std::string_view bytes, const TCartao& anterior)
{
    ResultadoCfg lido = InterpretarCfg(bytes, anterior);
    if (!lido.Cartao)
        throw ErroCartao(lido.Recusa.Razao, lido.Recusa.Linha);
    CartaoRecuperado recuperado{std::move(*lido.Cartao), std::nullopt, std::nullopt};
    if (const auto fim = bytes.find(FimDoCartao); fim != std::string_view::npos) {
        std::string_view resto = bytes.substr(fim + 1);
        const auto nulo = resto.find('\0');
        recuperado.Caminho = std::string(resto.substr(0, nulo));
        if (nulo != std::string_view::npos)
            recuperado.Base = LerBase(resto.substr(nulo));
    }
    return recuperado;
}
