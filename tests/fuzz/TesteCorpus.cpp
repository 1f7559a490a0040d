#include "VerificacaoCfg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Every input the fuzzer kept is replayed here, so a build without clang still guards them all.
TEST(CorpusDeFuzz, EveryKeptInputKeepsEveryPromise)
{
    std::size_t entradas = 0;
    for (const auto& arquivo : std::filesystem::directory_iterator(ORTELO_CORPUS_FUZZ)) {
        std::ifstream entrada(arquivo.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
        EXPECT_EQ(VerificarEntrada(bytes), "") << arquivo.path();
        ++entradas;
    }
    EXPECT_GE(entradas, 10u) << "the corpus folder has lost its inputs";
}

}  // namespace
