#include "EscritaDescritor.h"

#include "ErroCartao.h"
#include "MotivoSistema.h"

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Nome(const std::string& caminho)
{
    const auto barra = caminho.find_last_of('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

// The six characters mkostemp puts in place of XXXXXX.
bool EhSufixoAleatorio(std::string_view sufixo)
{
    if (sufixo.size() != 6)
        return false;
    for (const char c : sufixo)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// An exclusive lock, waiting for it or not (LOCK_NB), however often a signal interrupts.
bool Travar(int descritor, int espera)
{
    int resultado;
    do
        resultado = ::flock(descritor, LOCK_EX | espera);
    while (resultado != 0 && errno == EINTR);
    return resultado == 0;
}

}  // namespace

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

bool SincronizarPasta(const std::string& caminho)
{
    const int pasta = ::open(Pasta(caminho).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pasta < 0)
        return false;
    const bool sincronizada = ::fsync(pasta) == 0 || errno == EINVAL;
    const int erro = errno;
    ::close(pasta);
    errno = erro;
    return sincronizada;
}

ArquivoAoLado::ArquivoAoLado(const std::string& destino, const std::string& caminho, Tipo tipo)
{
    const bool copia = tipo == Tipo::Copia;
    const std::string modelo = Pasta(destino) + "/." + Nome(destino) + ".XXXXXX" + (copia ? "~" : "");
    for (;;) {
        std::string nome = modelo;
        descritor_ = ::mkostemps(nome.data(), copia ? 1 : 0, O_CLOEXEC);
        if (descritor_ < 0)
            FalharGravacao(caminho, errno);
        // Where the system has no locks the file is simply unlocked: a cleaner that took it
        // then makes the rename fail, which is reported.
        Travar(descritor_, 0);
        // A cleaning save may have taken the new file between its creation and the lock.
        struct stat estado {};
        if (::fstat(descritor_, &estado) != 0 || estado.st_nlink > 0) {
            caminho_ = nome;
            return;
        }
        ::close(descritor_);
    }
}

void RemoverTemporariosDeixados(const std::string& destino)
{
    DIR* pasta = ::opendir(Pasta(destino).c_str());
    if (!pasta)
        return;
    const int descritorPasta = ::dirfd(pasta);
    const std::string prefixo = "." + Nome(destino) + ".";
    while (const dirent* entrada = ::readdir(pasta)) {
        const std::string_view nome = entrada->d_name;
        if (!nome.starts_with(prefixo) || !EhSufixoAleatorio(nome.substr(prefixo.size())))
            continue;
        const int descritor = ::openat(descritorPasta, entrada->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (descritor < 0)
            continue;
        // Only the very file that was checked and locked goes: not one put there since.
        struct stat aberto {};
        struct stat pelaPasta {};
        if (::fstat(descritor, &aberto) == 0 && S_ISREG(aberto.st_mode) && aberto.st_uid == ::geteuid() &&
            Travar(descritor, LOCK_NB) &&
            ::fstatat(descritorPasta, entrada->d_name, &pelaPasta, AT_SYMLINK_NOFOLLOW) == 0 &&
            pelaPasta.st_dev == aberto.st_dev && pelaPasta.st_ino == aberto.st_ino)
            ::unlinkat(descritorPasta, entrada->d_name, 0);
        ::close(descritor);
    }
    ::closedir(pasta);
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
