#pragma once

// The file of one recovery slot: the unsaved card in the cfg format, then the end-of-file byte
// 0x1A and the path of the file the card belongs to, as the system's bytes (nothing for a new
// card), then, when the card was based on a file's content, a NUL and "base=" with that content's
// fingerprint in hex. A cfg reader stops at 0x1A, so the file still reads as the card; a path
// holds any byte but NUL. One file, replaced by one rename: a path can never be paired with
// another file's card.

#include "Cartao.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A fingerprint of a file's bytes (64-bit FNV-1a): tells whether a file still holds what a card
// was based on.
std::uint64_t ImpressaoDoConteudo(std::string_view bytes);

std::string ConteudoRecuperacao(const TCartao& cartao, const std::string& caminho,
                                std::optional<std::uint64_t> base = std::nullopt);

struct CartaoRecuperado {
    TCartao Cartao;
    // Empty when the bytes carry no path: a card file of the earlier two-file slots, whose path
    // lies in a file of its own.
    std::optional<std::string> Caminho;
    // The fingerprint of the file's content the card was based on, where the slot records one.
    std::optional<std::uint64_t> Base;
};

// Reads a slot's bytes by the cfg rules; records beyond the card's group count keep what they
// hold in `anterior`. Throws ErroCartao when the card part is refused.
CartaoRecuperado InterpretarRecuperacao(std::string_view bytes, const TCartao& anterior);
