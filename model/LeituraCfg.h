#pragma once

#include "Cartao.h"

#include <optional>
#include <string>
#include <string_view>

// Why a cfg file was refused, and on which line (0 when no single line is at fault). A reason
// that names a line names this one, so the window and ortelo-cartao point at the same place.
struct RecusaCfg {
    int Linha = 0;
    std::string Razao;
};

// The card a cfg file holds, or its refusal: never a part of a card.
struct ResultadoCfg {
    std::optional<TCartao> Cartao;
    RecusaCfg Recusa;  // meaningful only when there is no card
};

// Reads the bytes of a cfg file, all or nothing. The card is accepted only when every line was
// read and its group count, line count and group lines lie within the card's limits. Records
// beyond the file's group count keep what they held in `anterior`.
ResultadoCfg InterpretarCfg(std::string_view bytes, const TCartao& anterior);
