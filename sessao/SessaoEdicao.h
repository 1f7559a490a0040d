#pragma once

// The editing session: which file is on screen and what it held when last read or written, the
// undo history, and the crash recovery (the policy and its writer). It decides; the window shows.

#include "Cartao.h"
#include "DiscoRecuperacao.h"
#include "GravadorRecuperacao.h"
#include "Historico.h"
#include "VagaRecuperacao.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SessaoEdicao {
public:
    // `pasta`: the program's folder, ending in '/' (empty: the current one), where the recovery
    // slots live. `aoPerderProtecao` is called once, on any thread, the first time the slot
    // cannot keep an unsaved card (the folder cannot hold it, or a write failed); it may come
    // after the session is gone, so it must not reach back to its owner unguarded.
    SessaoEdicao(std::string pasta, std::function<void()> aoPerderProtecao,
                 DiscoRecuperacao disco = DiscoRecuperacao::Real(),
                 std::chrono::milliseconds atrasoRecuperacao = std::chrono::milliseconds(500));
    ~SessaoEdicao();

    // The file on screen, as the system's bytes; empty for a card that belongs to no file.
    const std::string& Arquivo() const { return arquivo_; }
    // A file command read or wrote `arquivo`, and the card now shows what it holds (or a new card
    // when `arquivo` is empty): the unsaved mark is measured against this card from now on, and
    // a recovery card is based on what the file now holds.
    void Salvo(std::string arquivo, const TCartao& comoMostrado);
    // A recovered card of `arquivo`: measured against what that file holds, or against nothing
    // when it cannot be read.
    void Recuperado(std::string arquivo, const std::optional<TCartao>& doArquivo);
    // True when the card would save exactly the bytes last read or written.
    bool IgualAoSalvo(const TCartao& cartao) const;

    Historico& HistoricoDeEdicao() { return historico_; }
    const Historico& HistoricoDeEdicao() const { return historico_; }

    // Crash recovery at start-up: the cards left by copies no longer running, newest first. A card
    // that equals what its file holds now is removed on the way, unasked. Each one returned is then
    // either declined (kept as the last declined card) or adopted (its slot becomes this session's).
    std::vector<RecuperacaoDeixada> RecuperacoesDeixadas(const TCartao& anterior);
    void Descartar(RecuperacaoDeixada& deixada);
    void Adotar(RecuperacaoDeixada deixada);
    // Takes a slot of its own, when none was adopted; from then on the recovery follows the card.
    void TomarVaga();

    // After every operator event: an unsaved card is kept in the slot, a saved one leaves it.
    // `naTela` is the card as a save now would write it (a name being typed included).
    void AcompanharCartao(const TCartao& naTela, bool naoSalvo);

    // Writes what is pending now and waits for the disk.
    void GuardarRecuperacaoAgora();
    // The operator chose at the close: nothing is left behind, and nothing more is written.
    void Encerrar();

private:
    struct Protecao;
    // What the file at `arquivo` holds now: its fingerprint, and the mode a copy of it may have.
    void BasearEm(const std::string& arquivo);

    std::string pasta_;
    DiscoRecuperacao disco_;
    std::chrono::milliseconds atraso_;
    std::shared_ptr<Protecao> protecao_;

    std::string arquivo_;
    std::optional<std::string> conteudoSalvo_;
    std::optional<std::uint64_t> base_;
    unsigned limiteDeModo_ = 07777;
    Historico historico_;

    bool vagaDecidida_ = false;
    bool encerrada_ = false;
    std::shared_ptr<VagaRecuperacao> vaga_;
    bool guardado_ = false;  // the slot may hold a card
    std::unique_ptr<GravadorRecuperacao> gravador_;
};
