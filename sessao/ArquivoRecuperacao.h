#pragma once

// The file of one recovery slot: the unsaved card in the cfg format, then the end-of-file byte
// 0x1A and the path of the file the card belongs to, as the system's bytes (nothing for a new
// card). A cfg reader stops at 0x1A, so the file still reads as the card, and the path may hold
// any byte. One file, replaced by one rename: a path can never be paired with another file's card.

#include "Cartao.h"

#include <optional>
#include <string>
#include <string_view>

std::string ConteudoRecuperacao(const TCartao& cartao, const std::string& caminho);

struct CartaoRecuperado {
    TCartao Cartao;
    // Empty when the bytes carry no path: a card file of the earlier two-file slots, whose path
    // lies in a file of its own.
    std::optional<std::string> Caminho;
};

// Reads a slot's bytes by the cfg rules; records beyond the card's group count keep what they
// hold in `anterior`. Throws ErroCartao when the card part is refused.
CartaoRecuperado InterpretarRecuperacao(std::string_view bytes, const TCartao& anterior);
