#include "GravacaoNoLugar.h"

#include "ErroCartao.h"
#include "EscritaDescritor.h"
#include "MotivoSistema.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Non-blocking and not following links: only the regular file that was checked may be written.
int AbrirDestino(const std::string& destino, int modo)
{
    return ::open(destino.c_str(), modo | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
}

bool Restaurar(const std::string& destino, int reserva)
{
    const int descritor = AbrirDestino(destino, O_WRONLY);
    if (descritor < 0)
        return false;
    const bool copiado = CopiarConteudo(reserva, descritor) && ::fsync(descritor) == 0;
    return ::close(descritor) == 0 && copiado;
}

}  // namespace

void GravarNoLugar(const std::string& caminho, const std::string& destino, std::string_view conteudo)
{
    const int descritor = AbrirDestino(destino, O_RDWR);
    if (descritor < 0)
        FalharGravacao(caminho, errno);
    struct stat estado {};
    if (::fstat(descritor, &estado) != 0) {
        const int erro = errno;
        ::close(descritor);
        FalharGravacao(caminho, erro);
    }
    if (!S_ISREG(estado.st_mode)) {
        ::close(descritor);
        RecusarDestinoIncomum(caminho);
    }

    // The copy and its name are on disk before the file is touched: after a power cut at any
    // point, the old content is in the file or in the copy.
    ArquivoAoLado reserva(destino, caminho, ArquivoAoLado::Tipo::Copia);
    if (!CopiarConteudo(descritor, reserva.Descritor()) || ::fsync(reserva.Descritor()) != 0 ||
        !SincronizarPasta(reserva.Caminho())) {
        const int erro = errno;
        ::close(descritor);
        FalharGravacao(caminho, erro);
    }

    const bool escrito = EscreverEm(descritor, conteudo, 0) &&
                         ::ftruncate(descritor, static_cast<off_t>(conteudo.size())) == 0 && ::fsync(descritor) == 0;
    const int erroDaEscrita = errno;
    const bool fechado = ::close(descritor) == 0;
    if (escrito && fechado)
        return;

    const int erro = escrito ? errno : erroDaEscrita;
    if (!Restaurar(destino, reserva.Descritor())) {
        reserva.Manter();
        throw ErroCartao("Não foi possível gravar \"" + caminho + "\": " + MotivoSistema(erro) +
                         "; o conteúdo anterior ficou em \"" + reserva.Caminho() + "\".");
    }
    FalharGravacao(caminho, erro);
}
