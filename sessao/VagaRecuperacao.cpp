#include "VagaRecuperacao.h"

#include "ArquivoRecuperacao.h"
#include "LeituraDeArquivo.h"
#include "UltimoArquivo.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Base(const std::string& pasta, int numero)
{
    return pasta + (numero == 1 ? std::string("Recuperacao") : "Recuperacao-" + std::to_string(numero));
}

bool Existe(const std::string& caminho)
{
    struct stat estado {};
    return ::lstat(caminho.c_str(), &estado) == 0;
}

// The path file of an earlier two-file slot; without it the card is still worth offering, as a new card.
std::string CaminhoAntigo(const VagaRecuperacao& vaga)
{
    try {
        return LerUltimoArquivo(vaga.ArquivoCaminhoAntigo());
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

std::unique_ptr<VagaRecuperacao> VagaRecuperacao::Tomar(const std::string& pasta, int numero, bool criarTrava)
{
    const std::string base = Base(pasta, numero);
    const std::string arquivoTrava = base + ".lock";
    int trava = ::open(arquivoTrava.c_str(), O_RDWR | O_CLOEXEC | (criarTrava ? O_CREAT : 0), 0644);
    if (trava < 0)
        trava = ::open(arquivoTrava.c_str(), O_RDONLY | O_CLOEXEC);
    if (trava < 0) {
        // No lock file, and none can be made: no running copy can hold this slot either.
        const bool ninguemPodeTer = errno == ENOENT || !Existe(arquivoTrava);
        return ninguemPodeTer ? std::unique_ptr<VagaRecuperacao>(new VagaRecuperacao(base, numero, -1)) : nullptr;
    }
    if (::flock(trava, LOCK_EX | LOCK_NB) != 0) {
        ::close(trava);
        return nullptr;
    }
    return std::unique_ptr<VagaRecuperacao>(new VagaRecuperacao(base, numero, trava));
}

VagaRecuperacao::~VagaRecuperacao()
{
    if (trava_ >= 0)
        ::close(trava_);
}

std::vector<RecuperacaoDeixada> ProcurarRecuperacoes(const std::string& pasta, const TCartao& anterior)
{
    std::vector<RecuperacaoDeixada> deixadas;
    for (int numero = 1; numero <= VagaRecuperacao::Vagas; ++numero) {
        if (!Existe(Base(pasta, numero) + ".cfg"))
            continue;
        auto vaga = VagaRecuperacao::Tomar(pasta, numero, false);
        if (!vaga)
            continue;  // its copy is still running
        RecuperacaoDeixada deixada{nullptr, anterior, {}, 0};
        try {
            const std::string bytes = LerArquivoInteiro(vaga->ArquivoCartao());
            CartaoRecuperado lido = InterpretarRecuperacao(bytes, anterior);
            deixada.Cartao = std::move(lido.Cartao);
            if (lido.Caminho)
                deixada.Caminho = std::move(*lido.Caminho);
            else
                deixada.Caminho = CaminhoAntigo(*vaga);
        } catch (const std::exception&) {
            // Neither a card nor anything an operator could take back.
            RemoverArquivosDaVaga(*vaga);
            continue;
        }
        struct stat estado {};
        if (::stat(vaga->ArquivoCartao().c_str(), &estado) == 0)
            deixada.Quando = std::int64_t{estado.st_mtim.tv_sec} * 1'000'000'000 + estado.st_mtim.tv_nsec;
        deixada.Vaga = std::move(vaga);
        deixadas.push_back(std::move(deixada));
    }
    std::stable_sort(deixadas.begin(), deixadas.end(),
                     [](const RecuperacaoDeixada& a, const RecuperacaoDeixada& b) { return a.Quando > b.Quando; });
    return deixadas;
}

void RemoverArquivosDaVaga(const VagaRecuperacao& vaga)
{
    // The card first: a card present always has the path that belongs to it.
    ::unlink(vaga.ArquivoCartao().c_str());
    ::unlink(vaga.ArquivoCaminhoAntigo().c_str());
}
