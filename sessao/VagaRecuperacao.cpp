#include "VagaRecuperacao.h"

#include "ArquivoRecuperacao.h"
#include "MotivoSistema.h"
#include "UltimoArquivo.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <exception>
#include <stdexcept>

namespace {

std::string Base(const std::string& pasta, int numero)
{
    return pasta + (numero == 1 ? std::string("Recuperacao") : "Recuperacao-" + std::to_string(numero));
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

[[noreturn]] void FalharMudanca(const std::string& arquivo, int erro)
{
    throw std::runtime_error("Não foi possível mover \"" + arquivo + "\": " + MotivoSistema(erro));
}

// A card the reader refuses may still be worth a look: it goes aside under a name that says so,
// dated, never over another one.
void PorDeLado(const VagaRecuperacao& vaga, const DiscoRecuperacao& disco)
{
    const std::string arquivo = vaga.ArquivoCartao();
    char data[32] = {};
    const std::time_t agora = std::time(nullptr);
    const std::tm local = HoraLocal(agora);
    std::strftime(data, sizeof data, "%Y%m%d-%H%M%S", &local);
    const std::string inicio = arquivo.substr(0, arquivo.size() - 4) + ".ilegivel-" + data;
    std::string destino = inicio + ".cfg";
    for (int n = 2; disco.Existe(destino); ++n)
        destino = inicio + "-" + std::to_string(n) + ".cfg";
    // The slot is locked, so no other copy moves it meanwhile.
    if (const int erro = disco.Mover(arquivo, destino); erro != 0)
        FalharMudanca(arquivo, erro);
}

}  // namespace

std::unique_ptr<VagaRecuperacao> VagaRecuperacao::Tomar(const std::string& pasta, int numero,
                                                         const DiscoRecuperacao& disco, bool criarTrava)
{
    const std::string base = Base(pasta, numero);
    const std::string arquivoTrava = base + ".lock";
    const int trava = disco.AbrirTrava(arquivoTrava, criarTrava);
    if (trava < 0) {
        // No lock file, and none can be made: no running copy can hold this slot either.
        const bool ninguemPodeTer = errno == ENOENT || !disco.Existe(arquivoTrava);
        return ninguemPodeTer ? std::unique_ptr<VagaRecuperacao>(new VagaRecuperacao(base, numero, -1)) : nullptr;
    }
    const int erro = disco.Travar(trava);
    if (erro == 0)
        return std::unique_ptr<VagaRecuperacao>(new VagaRecuperacao(base, numero, trava, disco.FecharTrava));
    disco.FecharTrava(trava);
    if (erro == EWOULDBLOCK)
        return nullptr;  // a running copy holds it
    // Locks that do not work here (a network folder, say) protect nothing, but no copy can hold
    // the slot through them either: what it holds is still readable.
    return std::unique_ptr<VagaRecuperacao>(new VagaRecuperacao(base, numero, -1));
}

VagaRecuperacao::~VagaRecuperacao()
{
    if (trava_ >= 0)
        fecharTrava_(trava_);
}

std::vector<RecuperacaoDeixada> ProcurarRecuperacoes(const std::string& pasta, const TCartao& anterior,
                                                     const DiscoRecuperacao& disco)
{
    std::vector<RecuperacaoDeixada> deixadas;
    for (int numero = 1; numero <= VagaRecuperacao::Vagas; ++numero) {
        if (!disco.Existe(Base(pasta, numero) + ".cfg"))
            continue;
        auto vaga = VagaRecuperacao::Tomar(pasta, numero, disco, false);
        if (!vaga)
            continue;  // its copy is still running
        std::string bytes;
        try {
            bytes = disco.Ler(vaga->ArquivoCartao());
        } catch (const std::exception&) {
            continue;  // unreadable now, perhaps not at the next start
        }
        RecuperacaoDeixada deixada{nullptr, anterior, {}, std::nullopt, 0, false};
        try {
            CartaoRecuperado lido = InterpretarRecuperacao(bytes, anterior);
            deixada.Cartao = std::move(lido.Cartao);
            deixada.Caminho = lido.Caminho ? std::move(*lido.Caminho) : CaminhoAntigo(*vaga);
            deixada.Base = lido.Base;
        } catch (const std::exception&) {
            try {
                PorDeLado(*vaga, disco);
            } catch (const std::exception&) {
                // It stays where it is: still not lost.
            }
            continue;
        }
        if (const auto estado = disco.Consultar(vaga->ArquivoCartao()))
            deixada.Quando = estado->Modificado;
        deixada.Vaga = std::move(vaga);
        deixadas.push_back(std::move(deixada));
    }
    std::stable_sort(deixadas.begin(), deixadas.end(),
                     [](const RecuperacaoDeixada& a, const RecuperacaoDeixada& b) { return a.Quando > b.Quando; });
    return deixadas;
}

std::string ArquivoRecusado(const std::string& pasta)
{
    return pasta + "Recuperacao-recusada.cfg";
}

void RemoverArquivosDaVaga(const VagaRecuperacao& vaga, const DiscoRecuperacao& disco)
{
    // The card first: a card present always has the path that belongs to it.
    disco.Remover(vaga.ArquivoCartao());
    disco.Remover(vaga.ArquivoCaminhoAntigo());
}

void GuardarComoRecusada(const std::string& pasta, const VagaRecuperacao& vaga, const DiscoRecuperacao& disco)
{
    const std::string arquivo = vaga.ArquivoCartao();
    if (const int erro = disco.Mover(arquivo, ArquivoRecusado(pasta)); erro != 0)
        FalharMudanca(arquivo, erro);
    disco.Remover(vaga.ArquivoCaminhoAntigo());
}
