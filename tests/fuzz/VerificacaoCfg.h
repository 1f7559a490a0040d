#pragma once

#include <string>
#include <string_view>

// Checks what the bytes entries of the card files promise for one input, whatever its bytes:
// a refusal names a line that exists and a reason; an accepted card lies within the card's
// limits and keeps the records the file does not hold; write, read, write gives the same bytes;
// the pointer's path is its first line. Returns the broken promise, or an empty text.
std::string VerificarEntrada(std::string_view bytes);
