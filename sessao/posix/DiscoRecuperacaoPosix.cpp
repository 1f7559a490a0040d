#include "DiscoRecuperacao.h"

#include "EscritaDescritor.h"
#include "GravacaoAtomica.h"
#include "LeituraDeArquivo.h"
#include "MotivoSistema.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

DiscoRecuperacao DiscoRecuperacao::Real()
{
    DiscoRecuperacao disco;
    disco.Gravar = [](const std::string& arquivo, const std::string& conteudo, unsigned limiteDeModo) {
        GravarArquivoAtomico(arquivo, conteudo, limiteDeModo);
    };
    disco.Remover = [](const std::string& arquivo) {
        if (::unlink(arquivo.c_str()) != 0) {
            if (errno == ENOENT)
                return;
            throw std::runtime_error("Não foi possível remover \"" + arquivo + "\": " + MotivoSistema(errno));
        }
        // Unlinked but not yet on disk, a power cut could bring the old card back.
        if (!SincronizarPasta(arquivo))
            throw std::runtime_error("Não foi possível remover \"" + arquivo + "\": " + MotivoSistema(errno));
    };
    disco.Ler = [](const std::string& arquivo) { return LerArquivoInteiro(arquivo); };
    disco.Consultar = [](const std::string& arquivo) -> std::optional<EstadoDeArquivo> {
        struct stat estado {};
        if (::stat(arquivo.c_str(), &estado) != 0)
            return std::nullopt;
        return EstadoDeArquivo{std::int64_t{estado.st_mtim.tv_sec} * 1'000'000'000 + estado.st_mtim.tv_nsec,
                               static_cast<unsigned>(estado.st_mode & 07777)};
    };
    disco.Existe = [](const std::string& arquivo) {
        struct stat estado {};
        return ::lstat(arquivo.c_str(), &estado) == 0;
    };
    disco.Mover = [](const std::string& arquivo, const std::string& destino) {
        if (::rename(arquivo.c_str(), destino.c_str()) != 0)
            return errno;
        SincronizarPasta(arquivo);
        return 0;
    };
    disco.AbrirTrava = [](const std::string& arquivo, bool criar) {
        const int descritor = ::open(arquivo.c_str(), O_RDWR | O_CLOEXEC | (criar ? O_CREAT : 0), 0644);
        return descritor >= 0 ? descritor : ::open(arquivo.c_str(), O_RDONLY | O_CLOEXEC);
    };
    // flock, not fcntl's locks: those belong to the process, and each slot of a process is its own.
    disco.Travar = [](int descritor) { return ::flock(descritor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno; };
    disco.FecharTrava = [](int descritor) { ::close(descritor); };
    return disco;
}

std::tm HoraLocal(std::time_t instante)
{
    std::tm local {};
    ::localtime_r(&instante, &local);
    return local;
}
