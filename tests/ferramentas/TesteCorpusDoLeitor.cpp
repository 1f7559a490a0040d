// Every input of the reader's fuzz corpus through the commands that read a file: none may
// crash, hang or trip a sanitizer, and each ends with a defined exit code.

#include "Figura.h"
#include "LeituraCartao.h"
#include "Programa.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

TEST(CorpusDoLeitor, EveryInputEndsWithADefinedCode)
{
    const std::filesystem::path pasta = ORTELO_CORPUS_LEITOR;
    ASSERT_TRUE(std::filesystem::is_directory(pasta)) << pasta;

    int arquivos = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta)) {
        if (!entrada.is_regular_file())
            continue;
        ++arquivos;
        const std::string caminho = entrada.path().string();
        std::ostringstream saida, erros;
        const int verificar = ExecutarCartao({"verificar", caminho}, saida, erros);
        EXPECT_TRUE(verificar == SaidaOk || verificar == SaidaProblemas || verificar == SaidaErro) << caminho;
        EXPECT_NE(saida.str().find(caminho), std::string::npos) << caminho;
        // What reads also shows, draws and compares.
        if (const CartaoLido lido = LerCartao(caminho); lido.Cartao) {
            EXPECT_FALSE(ImagemDoCartao(*lido.Cartao, 2).isNull()) << caminho;
            EXPECT_FALSE(SvgDoCartao(*lido.Cartao, 1).empty()) << caminho;
            EXPECT_EQ(ExecutarCartao({"mostrar", caminho}, saida, erros), SaidaOk) << caminho;
            const int comparar = ExecutarCartao({"comparar", caminho, caminho}, saida, erros);
            EXPECT_EQ(comparar, SaidaOk) << caminho;
        }
    }
    EXPECT_GT(arquivos, 0);
}

}  // namespace
