#include "GravacaoAtomica.h"

#include "EscritaDescritor.h"
#include "GravacaoNoLugar.h"

#include <cerrno>
#include <fstream>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

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
            FalharGravacao(caminho, errno);
        std::string proximo(alvo.data(), static_cast<std::size_t>(n));
        atual = proximo.starts_with('/') ? proximo : Pasta(atual) + "/" + proximo;
    }
    FalharGravacao(caminho, ELOOP);
}

// The mode a new file gets: 0666 less the process's umask, read from the system rather than set
// and reset, which would leave every file other threads create meanwhile world-writable.
mode_t ModoDeArquivoNovo()
{
    std::ifstream estado("/proc/self/status");
    std::string linha;
    while (std::getline(estado, linha))
        if (linha.starts_with("Umask:"))
            return 0666 & ~static_cast<mode_t>(std::stoul(linha.substr(6), nullptr, 8));
    return 0644;  // no /proc: the safe usual umask
}

// Gives the new file the old one's owner and group, changing only what differs: root may give
// any owner, anyone a group they belong to. False when the system does not allow it.
bool ManterDonoEGrupo(int descritor, const struct stat& antigo)
{
    struct stat novo {};
    if (::fstat(descritor, &novo) != 0)
        return false;
    const uid_t dono = antigo.st_uid == novo.st_uid ? static_cast<uid_t>(-1) : antigo.st_uid;
    const gid_t grupo = antigo.st_gid == novo.st_gid ? static_cast<gid_t>(-1) : antigo.st_gid;
    return (dono == static_cast<uid_t>(-1) && grupo == static_cast<gid_t>(-1)) || ::fchown(descritor, dono, grupo) == 0;
}

void EscreverTemporario(const std::string& caminho, ArquivoAoLado& temporario, const std::string& conteudo, mode_t modo)
{
    // The mode comes after the owner, since a change of owner clears the set-id bits.
    if (!EscreverEm(temporario.Descritor(), conteudo, 0) || ::fchmod(temporario.Descritor(), modo) != 0 ||
        ::fsync(temporario.Descritor()) != 0 || !temporario.Fechar())
        FalharGravacao(caminho, errno);
}

}  // namespace

void GravarArquivoAtomico(const std::string& caminho, const std::string& conteudo, unsigned limiteDeModo)
{
    const std::string destino = Destino(caminho);

    struct stat estado {};
    const bool existe = ::stat(destino.c_str(), &estado) == 0;
    if (existe) {
        if (S_ISDIR(estado.st_mode))
            FalharGravacao(caminho, EISDIR);
        if (!S_ISREG(estado.st_mode))
            RecusarDestinoIncomum(caminho);
        // A file nobody may write is the operator's protection; replacing it would defeat it.
        if ((estado.st_mode & 0222) == 0 || ::access(destino.c_str(), W_OK) != 0)
            FalharGravacao(caminho, EACCES);
    }

    // What an interrupted save of this file left beside it goes with the next one.
    RemoverTemporariosDeixados(destino);
    // A new file would leave the other names with the old content.
    if (existe && estado.st_nlink > 1) {
        GravarNoLugar(caminho, destino, conteudo);
        return;
    }

    ArquivoAoLado temporario(destino, caminho);
    if (existe && !ManterDonoEGrupo(temporario.Descritor(), estado)) {
        GravarNoLugar(caminho, destino, conteudo);
        return;
    }
    const mode_t modo = (existe ? estado.st_mode & 07777 : ModoDeArquivoNovo()) & static_cast<mode_t>(limiteDeModo);
    EscreverTemporario(caminho, temporario, conteudo, modo);
    if (::rename(temporario.Caminho().c_str(), destino.c_str()) != 0)
        FalharGravacao(caminho, errno);
    temporario.Manter();

    // Until the folder is on disk a power cut may bring the old file back: the card is not
    // saved until then, and the operator is told as for any other step.
    if (!SincronizarPasta(destino))
        FalharGravacao(caminho, errno);
}
