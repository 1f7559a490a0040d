// Cfg.inf on Windows: the system's separators, names outside the ANSI code page, and pointers
// that older Windows programs wrote in the machine's ANSI code page.

#include "Apoio.h"
#include "PaginaDeCodigo.h"
#include "UltimoArquivo.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(PonteiroWindows, HoldsUtf8WithTheSystemsSeparators)
{
    const PastaTemporaria pasta;
    const std::string inf = pasta.Caminho("Cfg.inf");
    const struct {
        std::string Caminho, Gravado;
    } casos[] = {
        {"C:/Cartões/prova 1.cfg", "C:\\Cartões\\prova 1.cfg"},
        {"C:\\Cartões/Ωμέγα-Жук-日本.cfg", "C:\\Cartões\\Ωμέγα-Жук-日本.cfg"},  // no code page holds them all
        {"//servidor/pasta/cartao.cfg", "\\\\servidor\\pasta\\cartao.cfg"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.Caminho);
        GravarUltimoArquivo(inf, caso.Caminho);
        EXPECT_EQ(LerBytes(inf), caso.Gravado);
        EXPECT_EQ(LerUltimoArquivo(inf), caso.Gravado);
    }
}

TEST(PonteiroWindows, OneThatIsNotUtf8IsReadInTheMachinesAnsiCodePage)
{
    const struct {
        std::string Bytes;
        unsigned Pagina;
        std::string Texto;
    } casos[] = {
        {"C:\\Cart\xF5" "es\\a\x9C.cfg", 1252, "C:\\Cartões\\aœ.cfg"},
        {"C:\\\xC6\xF3\xEA.cfg", 1251, "C:\\Жук.cfg"},
        {"C:\\Cart\xE4" "es.cfg", 850, "C:\\Cartões.cfg"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(Utf8DaPaginaDeCodigo(caso.Bytes, caso.Pagina), caso.Texto) << caso.Pagina;

    const std::string antigo = "C:\\Cart\xF5" "es\\Quest\xF5" "es.cfg";
    EXPECT_EQ(InterpretarUltimoArquivo(antigo + "\r\n"), Utf8DaPaginaDeCodigo(antigo, ::GetACP()))
        << "the code page of this machine, not always Windows-1252";
    EXPECT_EQ(InterpretarUltimoArquivo("C:\\Cartões\\a.cfg"), "C:\\Cartões\\a.cfg") << "UTF-8 stays as it is";
}

}  // namespace
