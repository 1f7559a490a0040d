#include "GravacaoAtomica.h"

#include "ErroCartao.h"
#include "MotivoSistema.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void Falhar(const std::string& caminho, int erro)
{
    throw ErroCartao("Não foi possível gravar \"" + caminho + "\": " + MotivoSistema(erro));
}

std::string Pasta(const std::string& caminho)
{
    const auto barra = caminho.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : caminho.substr(0, barra);
}

// Follows symbolic links, even dangling ones, so the save replaces the file they lead to.
std::string Destino(const std::string& caminho)
{
    std::string atual = caminho;
    for (int saltos = 0; saltos < 40; ++saltos) {
        struct stat estado {};
        if (::lstat(atual.c_str(), &estado) != 0 || !S_ISLNK(estado.st_mode))
            return atual;
        std::vector<char> alvo(PATH_MAX + 1);
        const ssize_t n = ::readlink(atual.c_str(), alvo.data(), PATH_MAX);
        if (n < 0)
            Falhar(caminho, errno);
        std::string proximo(alvo.data(), static_cast<std::size_t>(n));
        atual = proximo.starts_with('/') ? proximo : Pasta(atual) + "/" + proximo;
    }
    Falhar(caminho, ELOOP);
}

mode_t ModoDeArquivoNovo()
{
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

// Removes the temporary file unless the save got to the end.
struct ArquivoTemporario {
    std::string caminho;
    int descritor = -1;
    bool concluido = false;

    ~ArquivoTemporario()
    {
        if (descritor >= 0)
            ::close(descritor);
        if (!concluido)
            ::unlink(caminho.c_str());
    }
};

}  // namespace

void GravarArquivoAtomico(const std::string& caminho, const std::string& conteudo)
{
    const std::string destino = Destino(caminho);

    mode_t modo = ModoDeArquivoNovo();
    struct stat estado {};
    if (::stat(destino.c_str(), &estado) == 0) {
        if (S_ISDIR(estado.st_mode))
            Falhar(caminho, EISDIR);
        // A file nobody may write is the operator's protection; replacing it would defeat it.
        if ((estado.st_mode & 0222) == 0 || ::access(destino.c_str(), W_OK) != 0)
            Falhar(caminho, EACCES);
        modo = estado.st_mode & 07777;
    }

    const auto barra = destino.find_last_of('/');
    const std::string nome = barra == std::string::npos ? destino : destino.substr(barra + 1);
    ArquivoTemporario temporario;
    std::string modelo = Pasta(destino) + "/." + nome + ".XXXXXX";
    temporario.descritor = ::mkostemp(modelo.data(), O_CLOEXEC);
    if (temporario.descritor < 0)
        Falhar(caminho, errno);
    temporario.caminho = modelo;

    std::size_t escritos = 0;
    while (escritos < conteudo.size()) {
        const ssize_t n = ::write(temporario.descritor, conteudo.data() + escritos, conteudo.size() - escritos);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            Falhar(caminho, n < 0 ? errno : EIO);
        escritos += static_cast<std::size_t>(n);
    }
    if (::fchmod(temporario.descritor, modo) != 0 || ::fsync(temporario.descritor) != 0)
        Falhar(caminho, errno);
    const int descritor = temporario.descritor;
    temporario.descritor = -1;
    if (::close(descritor) != 0)
        Falhar(caminho, errno);
    if (::rename(temporario.caminho.c_str(), destino.c_str()) != 0)
        Falhar(caminho, errno);
    temporario.concluido = true;

    // Make the rename itself durable; the file is already in place, so a failure here changes nothing.
    const int pasta = ::open(Pasta(destino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pasta >= 0) {
        ::fsync(pasta);
        ::close(pasta);
    }
}
