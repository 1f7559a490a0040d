#include "EscritaDescritor.h"

#include "ErroCartao.h"
#include "MotivoSistema.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool EscreverEm(int descritor, std::string_view bytes, off_t posicao)
{
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(descritor, bytes.data(), bytes.size(), posicao);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        posicao += n;
    }
    return true;
}

bool CopiarConteudo(int origem, int destino)
{
    std::array<char, 65536> bloco{};
    off_t posicao = 0;
    for (;;) {
        const ssize_t lidos = ::pread(origem, bloco.data(), bloco.size(), posicao);
        if (lidos < 0 && errno == EINTR)
            continue;
        if (lidos < 0)
            return false;
        if (lidos == 0)
            return ::ftruncate(destino, posicao) == 0;
        if (!EscreverEm(destino, std::string_view(bloco.data(), static_cast<std::size_t>(lidos)), posicao))
            return false;
        posicao += lidos;
    }
}

void FalharGravacao(const std::string& caminho, int erro)
{
    throw ErroCartao("Não foi possível gravar \"" + caminho + "\": " + MotivoSistema(erro));
}

void RecusarDestinoIncomum(const std::string& caminho)
{
    throw ErroCartao("Não foi possível gravar \"" + caminho + "\": o destino não é um arquivo comum.");
}

std::string Pasta(const std::string& caminho)
{
    const auto barra = caminho.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : caminho.substr(0, barra);
}

ArquivoAoLado::ArquivoAoLado(const std::string& destino, const std::string& caminho)
{
    const auto barra = destino.find_last_of('/');
    const std::string nome = barra == std::string::npos ? destino : destino.substr(barra + 1);
    std::string modelo = Pasta(destino) + "/." + nome + ".XXXXXX";
    descritor_ = ::mkostemp(modelo.data(), O_CLOEXEC);
    if (descritor_ < 0)
        FalharGravacao(caminho, errno);
    caminho_ = modelo;
}

ArquivoAoLado::~ArquivoAoLado()
{
    if (descritor_ >= 0)
        ::close(descritor_);
    if (!manter_)
        ::unlink(caminho_.c_str());
}

bool ArquivoAoLado::Fechar()
{
    const int descritor = descritor_;
    descritor_ = -1;
    return ::close(descritor) == 0;
}
