// ortelo-cartao desenhar: the card picture as a PNG or an SVG file.

#include "Comandos.h"
#include "ErroCartao.h"
#include "Figura.h"
#include "GravacaoAtomica.h"
#include "LeituraCartao.h"
#include "NomeDeDispositivo.h"
#include "Opcoes.h"
#include "Programa.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

namespace {

bool TerminaCom(std::string texto, const std::string& fim)
{
    std::transform(texto.begin(), texto.end(), texto.begin(), [](unsigned char c) { return std::tolower(c); });
    return texto.size() > fim.size() && texto.compare(texto.size() - fim.size(), fim.size(), fim) == 0;
}

std::optional<int> Escala(const std::string& texto)
{
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc() || fim != texto.data() + texto.size() || valor < EscalaMinima || valor > EscalaMaxima)
        return std::nullopt;
    return valor;
}

}  // namespace

int ComandoDesenhar(const Argumentos& argumentos, std::ostream& /*saida: quiet on success*/, std::ostream& erros)
{
    const Opcoes opcoes = LerOpcoes(argumentos, {"--recortar"}, {"-o", "--escala"});
    if (!opcoes.Erro.empty())
        return ErroDeUso(erros, opcoes.Erro);
    if (opcoes.Arquivos.size() != 1)
        return ErroDeUso(erros, "desenhar recebe exatamente um arquivo.");
    const auto destino = opcoes.Valores.find("-o");
    if (destino == opcoes.Valores.end())
        return ErroDeUso(erros, "falta a saída: -o cartao.png ou -o cartao.svg.");
    const std::string& saidaArquivo = destino->second;
    const bool svg = TerminaCom(saidaArquivo, ".svg");
    if (!svg && !TerminaCom(saidaArquivo, ".png"))
        return ErroDeUso(erros, "a saída deve terminar em .png ou .svg: \"" + saidaArquivo + "\".");
    int escala = 1;
    if (const auto valor = opcoes.Valores.find("--escala"); valor != opcoes.Valores.end()) {
        const auto lida = Escala(valor->second);
        if (!lida)
            return ErroDeUso(erros, "a escala deve ser um número inteiro de 1 a 8: \"" + valor->second + "\".");
        escala = *lida;
    }

    const std::string& caminho = opcoes.Arquivos.front();
    const CartaoLido lido = LerCartao(caminho);
    if (!lido.Cartao) {
        erros << RelatoDoErro(caminho, lido);
        return SaidaErro;
    }
    const Recorte recorte = opcoes.Chaves.count("--recortar") ? Recorte::LinhasDoCartao : Recorte::JanelaInteira;
    const std::string conteudo = svg ? SvgDoCartao(*lido.Cartao, escala, recorte)
                                     : BytesPng(ImagemDoCartao(*lido.Cartao, escala, recorte));
    if (conteudo.empty()) {
        erros << saidaArquivo << ": erro: não foi possível codificar a imagem PNG.\n";
        return SaidaErro;
    }
    try {
        RecusarDispositivo(saidaArquivo);
        GravarArquivoAtomico(saidaArquivo, conteudo);
    } catch (const ErroCartao& erro) {
        erros << saidaArquivo << ": erro: " << erro.what() << "\n";
        return SaidaErro;
    }
    return SaidaOk;
}
