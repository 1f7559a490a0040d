#include "LeituraDeArquivo.h"

#include "ErroCartao.h"
#include "FalhasDeLeitura.h"
#include "MotivoSistema.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Descritor {
    int numero;
    ~Descritor() { ::close(numero); }
};

// Reads into `destino` from `inicio` until it is full or the file ends; returns the bytes held.
std::size_t LerAte(int descritor, std::string& destino, std::size_t inicio, const std::string& caminho)
{
    while (inicio < destino.size()) {
        const ssize_t lidos = ::read(descritor, destino.data() + inicio, destino.size() - inicio);
        if (lidos < 0 && errno == EINTR)
            continue;
        if (lidos < 0)
            FalharLeitura("Erro de leitura em", caminho, errno);
        if (lidos == 0)
            break;
        inicio += static_cast<std::size_t>(lidos);
    }
    return inicio;
}

}  // namespace

std::string LerArquivoInteiro(const std::string& caminho)
{
    // Non-blocking so that a FIFO or device named by mistake cannot hang the open.
    const int numero = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (numero < 0)
        FalharLeitura("Não foi possível abrir", caminho, errno);
    const Descritor descritor{numero};
    struct stat estado {};
    if (::fstat(numero, &estado) != 0)
        FalharLeitura("Erro de leitura em", caminho, errno);
    if (!S_ISREG(estado.st_mode))
        throw ErroCartao("\"" + caminho + "\" não é um arquivo comum.");
    if (static_cast<std::size_t>(estado.st_size) > TamanhoMaximoDeArquivo)
        RecusarTamanho(caminho);

    // One byte beyond the stated size tells whether the file grew since fstat; a growing file
    // is read in steps, and still refused once it passes the limit.
    std::string bytes(static_cast<std::size_t>(estado.st_size) + 1, '\0');
    std::size_t lidos = LerAte(numero, bytes, 0, caminho);
    while (lidos == bytes.size()) {
        if (bytes.size() > TamanhoMaximoDeArquivo)
            RecusarTamanho(caminho);
        bytes.resize(std::min(std::max(bytes.size() * 2, std::size_t{65536}), TamanhoMaximoDeArquivo + 1));
        lidos = LerAte(numero, bytes, lidos, caminho);
    }
    bytes.resize(lidos);
    return bytes;
}

std::string MotivoParaNaoLer(const std::string& caminho)
{
    const int numero = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (numero < 0)
        return MotivoSistema(errno);
    ::close(numero);
    return {};
}
