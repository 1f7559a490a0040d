// Where the Windows save and read differ from the POSIX ones: attributes instead of permission
// bits, other programs' open files and UTF-16 names.

#include "Apoio.h"
#include "GravacaoAtomica.h"
#include "LeituraDeArquivo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <windows.h>

using ::testing::HasSubstr;

namespace {

std::wstring Largo(const std::string& caminho)
{
    return std::filesystem::u8path(caminho).wstring();
}

}  // namespace

TEST(GravacaoWindows, AReadOnlyFileIsRefusedAndKept)
{
    const PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("protegido.cfg");
    EscreverBytes(alvo, "antigo");
    ASSERT_TRUE(::SetFileAttributesW(Largo(alvo).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_THAT(MensagemDe([&] { GravarArquivoAtomico(alvo, "novo"); }), HasSubstr("permissão negada"));
    EXPECT_EQ(LerBytes(alvo), "antigo");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u) << "no temporary file is left";
    ::SetFileAttributesW(Largo(alvo).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(GravacaoWindows, AFileAnotherProgramHoldsOpenIsRefusedAndKept)
{
    const PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("aberto.cfg");
    EscreverBytes(alvo, "antigo");
    {
        // As an editor that opened it without letting others delete or rename it.
        const HANDLE outro = ::CreateFileW(Largo(alvo).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(outro, INVALID_HANDLE_VALUE);
        const std::string mensagem = MensagemDe([&] { GravarArquivoAtomico(alvo, "novo"); });
        ::CloseHandle(outro);
        EXPECT_THAT(mensagem, HasSubstr("aberto.cfg"));
        EXPECT_THAT(mensagem, ::testing::AnyOf(HasSubstr("em uso"), HasSubstr("permissão negada")));
    }
    EXPECT_EQ(LerBytes(alvo), "antigo");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u) << "no temporary file is left";
    GravarArquivoAtomico(alvo, "novo");
    EXPECT_EQ(LerBytes(alvo), "novo") << "once it is closed the save goes through";
}

TEST(GravacaoWindows, NamesOutsideTheAnsiCodePageAreSavedAndRead)
{
    const PastaTemporaria pasta;
    // Greek, Cyrillic and Japanese: no single Windows code page holds them all.
    const std::string alvo = pasta.Caminho("Ωμέγα-Жук-日本.cfg");
    GravarArquivoAtomico(alvo, "conteúdo");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(alvo))) << "the file has the name given";
    EXPECT_EQ(LerArquivoInteiro(alvo), "conteúdo");
}
