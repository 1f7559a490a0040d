#pragma once

#include <string>

// Replaces the file at `caminho` by `conteudo` as one step: the bytes go to a temporary file
// beside it, are flushed to disk, and only then take the target's place. An existing file keeps
// its permission bits, owner and group; where the new file cannot be given them, or the file has
// other hard links, it is rewritten in place instead (see posix/GravacaoNoLugar.h). A symbolic link is
// written through to its target; a target that is no regular file (FIFO, device, socket) is
// refused and nothing is created. On any failure the old file is left as it was and ErroCartao
// names the path and the reason. `limiteDeModo`: the permission bits the file may have at most,
// so that a copy is never more open than what it copies.
void GravarArquivoAtomico(const std::string& caminho, const std::string& conteudo, unsigned limiteDeModo = 07777);
