#pragma once

// The undo history of the editor: whole snapshots of what one editing action changed, so
// taking a step back needs no inverse of any handler.

#include "Cartao.h"

#include <bitset>
#include <cstddef>
#include <deque>
#include <optional>

// How the editor showed the card at a step: what the card alone does not tell. The history keeps
// it beside the card without reading it.
struct VistaEdicao {
    int GrupoAtual = 1;
    bool SeletorDeGrupoHabilitado = false;
    bool ModoMascara = false;
    // Cells that a press in the manual mask selection showed as read again (white, red frame),
    // which the card drawing alone would show with their letter or label.
    std::bitset<TamanhoMascara + 1> CelulasDesmascaradas;

    bool operator==(const VistaEdicao&) const = default;
};

// What one step brings back: the card, and how the editor showed it.
struct EstadoEdicao {
    TCartao Cartao;
    VistaEdicao Vista;
};

class Historico {
public:
    // Steps kept; the oldest go first.
    static constexpr std::size_t Limite = 500;
    static_assert(Limite >= 200, "an operator can take back at least 200 actions");

    // An action has just changed the editor away from `antes`; whatever was undone is gone.
    void Registrar(EstadoEdicao antes);

    // The state to show instead of `atual`, which becomes the step to redo (or to undo again).
    std::optional<EstadoEdicao> Desfazer(EstadoEdicao atual);
    std::optional<EstadoEdicao> Refazer(EstadoEdicao atual);

    // A new card: nothing to undo or redo.
    void Reiniciar();

    std::size_t PassosParaDesfazer() const { return desfazer_.size(); }
    std::size_t PassosParaRefazer() const { return refazer_.size(); }

private:
    std::deque<EstadoEdicao> desfazer_;
    std::deque<EstadoEdicao> refazer_;
};
