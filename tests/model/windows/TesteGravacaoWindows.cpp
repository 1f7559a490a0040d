// Where the Windows save and read differ from the POSIX ones: attributes and access lists instead
// of permission bits, other programs holding files, long and UTF-16 names, leftovers of
// interrupted saves, and pointer files of older Windows programs.

#include "Apoio.h"
#include "CaminhoWindows.h"
#include "GravacaoAtomica.h"
#include "LeituraDeArquivo.h"
#include "Segurador.h"
#include "UltimoArquivo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <chrono>
#include <filesystem>
#include <vector>
#include <windows.h>

using ::testing::HasSubstr;

namespace {

using namespace std::chrono_literals;

std::wstring Largo(const std::string& caminho)
{
    return std::filesystem::u8path(caminho).wstring();
}

// The file's access list as text, or "" when it cannot be read.
std::wstring ListaDeAcesso(const std::string& caminho)
{
    PSECURITY_DESCRIPTOR descritor = nullptr;
    if (::GetNamedSecurityInfoW(Largo(caminho).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                nullptr, nullptr, &descritor) != ERROR_SUCCESS)
        return {};
    wchar_t* texto = nullptr;
    ::ConvertSecurityDescriptorToStringSecurityDescriptorW(descritor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                           &texto, nullptr);
    std::wstring lista = texto ? texto : L"";
    ::LocalFree(texto);
    ::LocalFree(descritor);
    return lista;
}

bool DefinirListaDeAcesso(const std::string& caminho, const wchar_t* sddl)
{
    PSECURITY_DESCRIPTOR descritor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descritor, nullptr))
        return false;
    const bool definida = ::SetFileSecurityW(Largo(caminho).c_str(), DACL_SECURITY_INFORMATION, descritor) != 0;
    ::LocalFree(descritor);
    return definida;
}

// Wine's ReplaceFileW renames the old file away and the new one in: it keeps neither access list
// nor creation time, which only Windows itself can show.
bool SobWine()
{
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

FILETIME Criacao(const std::string& caminho)
{
    WIN32_FILE_ATTRIBUTE_DATA dados {};
    ::GetFileAttributesExW(Largo(caminho).c_str(), GetFileExInfoStandard, &dados);
    return dados.ftCreationTime;
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

TEST(GravacaoWindows, ACardItsAccessListForbidsWritingIsRefusedAndKept)
{
    const PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("negado.cfg");
    EscreverBytes(alvo, "antigo");
    // Everyone may do anything but write its content: the folder would still let it be replaced.
    ASSERT_TRUE(DefinirListaDeAcesso(alvo, L"D:P(D;;0x6;;;WD)(A;;FA;;;WD)"));
    EXPECT_THAT(MensagemDe([&] { GravarArquivoAtomico(alvo, "novo"); }), HasSubstr("permissão negada"));
    EXPECT_EQ(LerBytes(alvo), "antigo");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u) << "no temporary file is left";
}

TEST(GravacaoWindows, AFileAnotherProgramHoldsForAMomentIsSavedOnceItLetsGo)
{
    const PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("aberto.cfg");
    EscreverBytes(alvo, "antigo");
    Segurador outro(alvo, 500ms);
    ASSERT_TRUE(outro.Segurando());
    EXPECT_EQ(MensagemDe([&] { GravarArquivoAtomico(alvo, "novo"); }), "");
    EXPECT_EQ(LerBytes(alvo), "novo");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u) << "no temporary file is left";
}

TEST(GravacaoWindows, AFileAnotherProgramHoldsOnIsRefusedAsInUseAndKept)
{
    const PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("aberto.cfg");
    EscreverBytes(alvo, "antigo");
    {
        Segurador outro(alvo, 60s);
        ASSERT_TRUE(outro.Segurando());
        const auto inicio = std::chrono::steady_clock::now();
        const std::string mensagem = MensagemDe([&] { GravarArquivoAtomico(alvo, "novo"); });
        EXPECT_THAT(mensagem, HasSubstr("aberto.cfg\": o arquivo está em uso por outro programa"));
        EXPECT_GE(std::chrono::steady_clock::now() - inicio, 1500ms) << "it was waited for first";
        EXPECT_EQ(LerBytes(alvo), "antigo");
        EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u) << "no temporary file is left";
    }
    GravarArquivoAtomico(alvo, "novo");
    EXPECT_EQ(LerBytes(alvo), "novo") << "once it is let go the save goes through";
}

TEST(GravacaoWindows, ReplacingKeepsTheAccessListAndCreationTimeAndSetsTheArchiveMark)
{
    const PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("oculto.cfg");
    EscreverBytes(alvo, "antigo");
    ASSERT_TRUE(DefinirListaDeAcesso(alvo, L"D:P(A;;FA;;;WD)(A;;FR;;;BU)"));
    const std::wstring lista = ListaDeAcesso(alvo);
    // Hidden, and backed up since it was written.
    ASSERT_TRUE(::SetFileAttributesW(Largo(alvo).c_str(), FILE_ATTRIBUTE_HIDDEN));
    const FILETIME criado = Criacao(alvo);
    GravarArquivoAtomico(alvo, "novo");
    EXPECT_EQ(LerBytes(alvo), "novo");
    const DWORD marcas = ::GetFileAttributesW(Largo(alvo).c_str());
    EXPECT_TRUE(marcas & FILE_ATTRIBUTE_HIDDEN) << "still hidden";
    EXPECT_TRUE(marcas & FILE_ATTRIBUTE_ARCHIVE) << "new content for the next backup";
    if (SobWine())
        return;
    EXPECT_EQ(ListaDeAcesso(alvo), lista);
    const FILETIME agora = Criacao(alvo);
    EXPECT_EQ(::CompareFileTime(&agora, &criado), 0) << "the same file, created when it was";
}

// Wine takes paths longer than 260 characters in any form; Windows only behind \\?\, where it
// takes every character as it is. So the form itself is checked.
TEST(GravacaoWindows, PathsReachTheSystemWholeAndInTheLongForm)
{
    const struct {
        std::string caminho;
        std::wstring noSistema;
    } casos[] = {
        {"C:/Cartões/./velhos/../a.cfg", LR"(\\?\C:\Cartões\a.cfg)"},
        {"C:\\Cartões\\\\a.cfg", LR"(\\?\C:\Cartões\a.cfg)"},
        {"//servidor/pasta/sub/../c.cfg", LR"(\\?\UNC\servidor\pasta\c.cfg)"},
        {"\\\\servidor\\pasta\\c.cfg", LR"(\\?\UNC\servidor\pasta\c.cfg)"},
        {"\\\\?\\C:\\já\\longo.cfg", LR"(\\?\C:\já\longo.cfg)"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(CaminhoLongo(caso.caminho), caso.noSistema) << caso.caminho;
    wchar_t atual[MAX_PATH] {};
    ASSERT_GT(::GetCurrentDirectoryW(MAX_PATH, atual), 0u);
    std::wstring pasta = atual;
    if (!pasta.ends_with(L'\\'))
        pasta += L'\\';
    EXPECT_EQ(CaminhoLongo("x/../a.cfg"), LR"(\\?\)" + pasta + L"a.cfg") << "a relative path, from the current folder";
    EXPECT_EQ(CaminhoLongo("\xFF.cfg"), L"") << "no UTF-8";
}

TEST(GravacaoWindows, APathOf300CharactersOpensAndSaves)
{
    const PastaTemporaria pasta;
    // Folders of 60 characters, named through ".", ".." and both slashes as an operator may type.
    std::wstring longa =
        L"\\\\?\\" + std::filesystem::absolute(std::filesystem::u8path(pasta.Caminho("x"))).parent_path().wstring();
    std::string caminho = pasta.Caminho("");
    std::vector<std::wstring> pastas;
    while (caminho.size() < 300 - 12) {
        const std::string nome(60, static_cast<char>('a' + pastas.size()));
        longa += L"\\" + std::wstring(nome.begin(), nome.end());
        ASSERT_TRUE(::CreateDirectoryW(longa.c_str(), nullptr)) << ::GetLastError();
        pastas.push_back(longa);
        caminho += (pastas.size() % 2 ? "./" : "x/../") + nome + (pastas.size() % 2 ? "\\" : "/");
    }
    caminho += "longo.cfg";
    ASSERT_GE(caminho.size(), 300u);
    GravarArquivoAtomico(caminho, "primeiro");
    EXPECT_EQ(LerArquivoInteiro(caminho), "primeiro");
    GravarArquivoAtomico(caminho, "segundo");
    EXPECT_EQ(LerArquivoInteiro(caminho), "segundo");
    EXPECT_EQ(MotivoParaNaoLer(caminho), "");
    EXPECT_TRUE(::DeleteFileW((longa + L"\\longo.cfg").c_str())) << "the file has the name given";
    for (auto pastaLonga = pastas.rbegin(); pastaLonga != pastas.rend(); ++pastaLonga)
        EXPECT_TRUE(::RemoveDirectoryW(pastaLonga->c_str())) << "nothing else was left";
}

TEST(GravacaoWindows, TheNextSaveRemovesTheTemporariesInterruptedSavesLeft)
{
    const PastaTemporaria pasta;
    // A process that has ended, kept open so that its number is no other's meanwhile.
    EscreverBytes(pasta.Caminho("nada"), "");
    Segurador terminado(pasta.Caminho("nada"), 0ms);
    ASSERT_TRUE(terminado.Terminou());
    const std::string morto = std::to_string(terminado.Processo());
    const std::string deixado = pasta.Caminho(".c.cfg." + morto + "-0.tmp");
    const std::string seguradoPorOutro = pasta.Caminho(".c.cfg." + morto + "-1.tmp");
    const std::string outroArquivo = pasta.Caminho(".d.cfg." + morto + "-0.tmp");
    const std::string outroNome = pasta.Caminho(".c.cfg." + morto + ".tmp");
    for (const std::string& nome : {deixado, seguradoPorOutro, outroArquivo, outroNome})
        EscreverBytes(nome, "meio cartão");
    Segurador vivo(seguradoPorOutro, 60s);
    ASSERT_TRUE(vivo.Segurando());
    // A save running in that live process: its temporary is not held between its close and its rename.
    const std::string emCurso = pasta.Caminho(".c.cfg." + std::to_string(vivo.Processo()) + "-2.tmp");
    EscreverBytes(emCurso, "meio cartão");
    GravarArquivoAtomico(pasta.Caminho("C.cfg"), "novo");
    EXPECT_EQ(LerBytes(pasta.Caminho("c.cfg")), "novo");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(deixado)));
    for (const std::string& nome : {seguradoPorOutro, outroArquivo, outroNome, emCurso})
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(nome))) << nome;
}

TEST(GravacaoWindows, NamesOutsideTheAnsiCodePageAreSavedAndRead)
{
    const PastaTemporaria pasta;
    // Greek, Cyrillic and Japanese: no single Windows code page holds them all.
    const std::string alvo = pasta.Caminho("Ωμέγα-Жук-日本.cfg");
    GravarArquivoAtomico(alvo, "conteúdo");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(alvo))) << "the file has the name given";
    EXPECT_EQ(LerArquivoInteiro(alvo), "conteúdo");
    const std::string ponteiro = pasta.Caminho("Cfg.inf");
    GravarUltimoArquivo(ponteiro, alvo);
    EXPECT_EQ(LerUltimoArquivo(ponteiro), alvo) << "Cfg.inf holds UTF-8";
}

TEST(GravacaoWindows, APointerFileThatIsNotUtf8IsReadAsWindows1252)
{
    EXPECT_EQ(InterpretarUltimoArquivo("C:\\Cart\xF5" "es\\a\x9C.cfg\r\n"), "C:\\Cartões\\aœ.cfg");
    EXPECT_EQ(InterpretarUltimoArquivo("C:\\Cartões\\a.cfg"), "C:\\Cartões\\a.cfg") << "UTF-8 stays as it is";
}
