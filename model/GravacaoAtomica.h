#pragma once

#include <string>

// Replaces the file at `caminho` by `conteudo` as one step: the bytes go to a temporary file
// beside it, are flushed to disk, and only then take the target's place. An existing file keeps
// its permission bits; a symbolic link is written through to its target. On any failure the old
// file is left as it was and ErroCartao names the path and the system's reason.
void GravarArquivoAtomico(const std::string& caminho, const std::string& conteudo);
