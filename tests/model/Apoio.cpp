#include "Apoio.h"

#include "ErroCartao.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

PastaTemporaria::PastaTemporaria()
{
    // A name nobody holds, made in one step (create_directory fails on an existing one).
    std::random_device sorteio;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const auto pasta = std::filesystem::temp_directory_path() / ("ortelo-teste-" + std::to_string(sorteio()));
        if (std::filesystem::create_directory(pasta)) {
            pasta_ = pasta.string();
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

PastaTemporaria::~PastaTemporaria()
{
    std::error_code ignorado;
    std::filesystem::permissions(pasta_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignorado);
    std::filesystem::remove_all(pasta_, ignorado);
}

std::string LerBytes(const std::string& caminho)
{
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

std::size_t ArquivosNaPasta(const std::string& pasta)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(pasta), {}));
}

std::string MensagemDe(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const ErroCartao& erro) {
        return erro.what();
    }
    return {};
}

void EscreverBytes(const std::string& caminho, const std::string& bytes)
{
    std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
    saida << bytes;
}

TCartao CartaoInicial()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    DefinirCartaoPrimeiraVez(cartao);
    return cartao;
}
