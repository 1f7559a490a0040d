#pragma once

#include <string>
#include <string_view>

// Rewrites the regular file `destino` in place, for when replacing it would lose something:
// an owner or group the saver cannot give a new file, or other hard links to it. Its old
// content is first copied to a file beside it and put back if the write fails; that copy is
// removed once it is no longer needed, and kept (and named in the error) only if putting it
// back failed too. Errors name `caminho`, the path as the operator gave it.
void GravarNoLugar(const std::string& caminho, const std::string& destino, std::string_view conteudo);
