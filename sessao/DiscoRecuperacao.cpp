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
    disco.Travar = [](int descritor) { return ::flock(descritor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno; };
    return disco;
}
