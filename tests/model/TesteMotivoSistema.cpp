#include "MotivoSistema.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

TEST(MotivoSistema, TraduzOsErrosDeArquivoEMantemOsDemais)
{
    const struct {
        int erro;
        const char* motivo;
    } casos[] = {
        {ENOENT, "arquivo ou pasta inexistente"},
        {EACCES, "permissão negada"},
        {EPERM, "operação não permitida"},
        {ENOSPC, "não há espaço livre no disco"},
        {EDQUOT, "a cota de disco foi excedida"},
        {EFBIG, "o arquivo é grande demais"},
        {EROFS, "o sistema de arquivos é somente leitura"},
        {EISDIR, "o caminho indica uma pasta"},
        {ENOTDIR, "uma parte do caminho não é uma pasta"},
        {ENAMETOOLONG, "o nome do arquivo é longo demais"},
        {ELOOP, "há links simbólicos demais no caminho"},
        {EIO, "erro de entrada e saída no dispositivo"},
        {EXDEV, "o arquivo está em outro sistema de arquivos"},
        // Untranslated errors keep the system's own reason rather than losing it.
        {EPROTO, std::strerror(EPROTO)},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(MotivoSistema(caso.erro), caso.motivo) << "errno " << caso.erro;
}
