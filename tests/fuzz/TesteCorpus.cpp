#include "VerificacaoCfg.h"
#include "VerificacaoRecuperacao.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Every input the fuzzers kept is replayed here, so a build without clang still guards them all.
struct Corpus {
    const char* Pasta;
    std::string (*Verificar)(std::string_view);
};

class CorpusDeFuzz : public ::testing::TestWithParam<Corpus> {};

TEST_P(CorpusDeFuzz, EveryKeptInputKeepsEveryPromise)
{
    std::size_t entradas = 0;
    for (const auto& arquivo : std::filesystem::directory_iterator(std::string(ORTELO_CORPUS_FUZZ "/") + GetParam().Pasta)) {
        std::ifstream entrada(arquivo.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
        EXPECT_EQ(GetParam().Verificar(bytes), "") << arquivo.path();
        ++entradas;
    }
    EXPECT_GE(entradas, 10u) << "the corpus folder has lost its inputs";
}

INSTANTIATE_TEST_SUITE_P(Leitores, CorpusDeFuzz,
                         ::testing::Values(Corpus{"corpus-cfg", VerificarEntrada},
                                           Corpus{"corpus-recuperacao", VerificarRecuperacao}),
                         [](const auto& info) { return std::string(info.param.Pasta).substr(7); });

}  // namespace
