#include "LeituraCartao.h"

#include "ArquivoCfg.h"
#include "ErroCartao.h"

#include <new>

CartaoLido LerCartao(const std::string& caminho)
{
    CartaoLido lido;
    // Records past the file's group count start as the editor's new card has them.
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    try {
        LerArquivoCfg(caminho, cartao);
        lido.Cartao = std::move(cartao);
    } catch (const ErroCartao& erro) {
        lido.Erro = erro.what();
        lido.LinhaDoErro = erro.Linha();
    } catch (const std::bad_alloc&) {
        lido.Erro = "Memória insuficiente para ler \"" + caminho + "\".";
    } catch (const std::exception& erro) {
        lido.Erro = erro.what();
    }
    return lido;
}

std::string PrefixoDoArquivo(const std::string& caminho, int linhaDoArquivo)
{
    return linhaDoArquivo > 0 ? caminho + ":" + std::to_string(linhaDoArquivo) + ": " : caminho + ": ";
}

std::string RelatoDoErro(const std::string& caminho, const CartaoLido& lido)
{
    return PrefixoDoArquivo(caminho, lido.LinhaDoErro) + "erro: " + lido.Erro + "\n";
}
