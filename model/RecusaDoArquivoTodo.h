#pragma once

#include "LeituraCfg.h"

#include <optional>
#include <string_view>

// For a refused file that is no card file at all (empty, binary, without a single line end),
// the reason that says so, naming no line: the line where reading stopped would send the
// operator looking for a typo. Nothing for a file that looks like a card file.
std::optional<RecusaCfg> RecusaDoArquivoTodo(std::string_view bytes);
