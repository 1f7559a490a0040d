// The programs' standard streams: text is handed to the system in whole characters.

#include "FluxoDoConsole.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

TEST(FluxoDoConsole, HandsOverWholeCharactersOnlyAndWhatIsLeftAtTheEnd)
{
    std::vector<std::string> entregas;
    {
        FluxoDoConsole fluxo([&](std::string_view texto) {
            entregas.emplace_back(texto);
            return true;
        });
        std::ostream saida(&fluxo);
        // Each piece, then a flush: the place where a character's bytes could be cut apart.
        for (const char* pedaco : {"Quest\xC3", "\xB5" "es\n", "\xE2\x82", "\xAC", "\xF0\x9F\x98", "\x80 \xFF", "fim\xC3"})
            saida << pedaco << std::flush;
    }
    const std::vector<std::string> esperadas{"Quest", "\xC3\xB5" "es\n", "\xE2\x82\xAC", "\xF0\x9F\x98\x80 \xFF", "fim",
                                             "\xC3"};
    EXPECT_EQ(entregas, esperadas);
}

TEST(FluxoDoConsole, AStreamNothingTakesFails)
{
    FluxoDoConsole fluxo([](std::string_view) { return false; });
    std::ostream saida(&fluxo);
    saida << "texto" << std::flush;
    EXPECT_TRUE(saida.bad());
}

}  // namespace
