#pragma once

#include <string>
#include <string_view>

// Checks what the recovery slot's reader promises for one input, whatever its bytes: everything
// the cfg reader promises for the card part, the same card or the same refusal as the cfg reader,
// the path taken whole from after the first 0x1A, and write, read giving back card and path.
// Returns the broken promise, or an empty text.
std::string VerificarRecuperacao(std::string_view bytes);
