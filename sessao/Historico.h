#pragma once

// The undo history of the editor: whole snapshots of what one editing action changed, so
// taking a step back needs no inverse of any handler.

#include "Cartao.h"

#include <any>
#include <cstddef>
#include <deque>
#include <optional>

// What one step brings back: the card, and how the editor showed it. The view is the editor's
// own business (the group on its panel, the cells its mask selection shows): the history keeps it
// beside the card without reading it.
struct EstadoEdicao {
    TCartao Cartao;
    std::any Vista;
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
