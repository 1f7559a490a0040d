#pragma once

// The recovery slots of a program folder: "Recuperacao.cfg" for the first, "Recuperacao-N.cfg"
// for the others, each guarded by a "<slot>.lock" file that the copy using the slot keeps locked
// (an exclusive lock of the system's) while it, or any thread of it that may still write the
// slot, runs. The system lets go of a dead process's lock by itself, so a slot whose lock can be
// taken belongs to no running copy.
// Beside them, "Recuperacao-recusada.cfg" keeps the last card the operator declined, and a card
// that no longer reads is moved aside as "<slot>.ilegivel-<date>.cfg": no card is ever deleted
// unless it is saved or equals its file.

#include "Cartao.h"
#include "DiscoRecuperacao.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class VagaRecuperacao {
public:
    static constexpr int Vagas = 16;

    // Slot `numero` of the folder (which ends in '/', or is empty for the current one), locked for
    // this process; nullptr when a running copy holds it. `criarTrava`: make the lock file where it
    // is missing (false only to look at what a folder that cannot be written holds).
    static std::unique_ptr<VagaRecuperacao> Tomar(const std::string& pasta, int numero, const DiscoRecuperacao& disco,
                                                  bool criarTrava = true);
    ~VagaRecuperacao();
    VagaRecuperacao(const VagaRecuperacao&) = delete;
    VagaRecuperacao& operator=(const VagaRecuperacao&) = delete;

    int Numero() const { return numero_; }
    // The slot's file, and the path file of the earlier two-file slots.
    std::string ArquivoCartao() const { return base_ + ".cfg"; }
    std::string ArquivoCaminhoAntigo() const { return base_ + ".inf"; }
    // False when the slot could not be locked (no lock file can be made, or the system's locks
    // fail): the folder cannot hold a recovery of this copy's.
    bool Travada() const { return trava_ >= 0; }

private:
    VagaRecuperacao(std::string base, int numero, int trava, std::function<void(int)> fecharTrava = {})
        : base_(std::move(base)), numero_(numero), trava_(trava), fecharTrava_(std::move(fecharTrava))
    {
    }

    std::string base_;
    int numero_;
    int trava_;
    std::function<void(int)> fecharTrava_;
};

// A card that a copy no longer running left unsaved; it keeps its slot locked until it is dropped.
struct RecuperacaoDeixada {
    std::unique_ptr<VagaRecuperacao> Vaga;
    TCartao Cartao;
    std::string Caminho;  // the original file, as the system's bytes; empty for a new card
    std::optional<std::uint64_t> Base;  // the fingerprint of the content it was based on
    std::int64_t Quando = 0;            // when it was last written, in nanoseconds
    bool ArquivoMaisNovo = false;       // the original file was saved after the card was based on it
};

// Every card left in the folder's slots by copies no longer running, newest first. A slot file
// that cannot be read now stays for a later start; one that does not read as a card is moved
// aside. Records beyond a card's group count keep what they hold in `anterior`.
std::vector<RecuperacaoDeixada> ProcurarRecuperacoes(const std::string& pasta, const TCartao& anterior,
                                                     const DiscoRecuperacao& disco);

// The file that keeps the last card declined at the start.
std::string ArquivoRecusado(const std::string& pasta);

// Removes a slot's files, durably; throws when the card's file stays.
void RemoverArquivosDaVaga(const VagaRecuperacao& vaga, const DiscoRecuperacao& disco);
// Keeps a declined card as the folder's one last declined card, replacing the one before.
void GuardarComoRecusada(const std::string& pasta, const VagaRecuperacao& vaga, const DiscoRecuperacao& disco);
