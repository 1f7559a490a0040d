#include "Apoio.h"

#include "ErroCartao.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <sys/resource.h>

PastaTemporaria::PastaTemporaria()
{
    std::string modelo = (std::filesystem::temp_directory_path() / "ortelo-teste-XXXXXX").string();
    if (!::mkdtemp(modelo.data()))
        throw std::runtime_error("mkdtemp");
    pasta_ = modelo;
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

std::string MensagemComLimiteDeTamanho(long bytes, const std::function<void()>& acao)
{
    const auto anterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    rlimit pequeno = limite;
    pequeno.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &pequeno);
    const std::string mensagem = MensagemDe(acao);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, anterior);
    return mensagem;
}
