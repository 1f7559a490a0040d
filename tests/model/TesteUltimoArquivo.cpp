#include "Apoio.h"
#include "ErroCartao.h"
#include "UltimoArquivo.h"

#include <gtest/gtest.h>

namespace {

TEST(UltimoArquivo, IsWrittenWithoutALineEndAndReadBack)
{
    PastaTemporaria pasta;
    const std::string inf = pasta.Caminho("Cfg.inf");
    const std::string caminho = "/home/op/Cart\xC3\xB5" "es/prova 1.cfg";  // UTF-8 bytes, as Linux paths are
    GravarUltimoArquivo(inf, caminho);
    EXPECT_EQ(LerBytes(inf), caminho);
    EXPECT_EQ(LerUltimoArquivo(inf), caminho);
}

TEST(UltimoArquivo, OnlyTheFirstLineCounts)
{
    PastaTemporaria pasta;
    const std::string inf = pasta.Caminho("Cfg.inf");
    EscreverBytes(inf, "/a/b.cfg\r\n/c/d.cfg\r\n");
    EXPECT_EQ(LerUltimoArquivo(inf), "/a/b.cfg");
    EscreverBytes(inf, "/a/b\nc.cfg");
    EXPECT_EQ(LerUltimoArquivo(inf), "/a/b\nc.cfg");
    EscreverBytes(inf, "");
    EXPECT_EQ(LerUltimoArquivo(inf), "");
}

TEST(UltimoArquivo, AMissingPointerIsAnError)
{
    PastaTemporaria pasta;
    EXPECT_THROW(LerUltimoArquivo(pasta.Caminho("Cfg.inf")), ErroCartao);
}

}  // namespace
