#include "Apoio.h"
#include "ErroCartao.h"
#include "GravacaoAtomica.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;

mode_t Permissoes(const std::string& caminho)
{
    struct stat estado {};
    ::stat(caminho.c_str(), &estado);
    return estado.st_mode & 07777;
}

TEST(GravacaoAtomica, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirPermissions)
{
    PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("c.cfg");
    const mode_t anterior = ::umask(022);
    GravarArquivoAtomico(alvo, "um");
    ::umask(anterior);
    EXPECT_EQ(Permissoes(alvo), 0644u);

    ::chmod(alvo.c_str(), 0640);
    GravarArquivoAtomico(alvo, "dois");
    EXPECT_EQ(LerBytes(alvo), "dois");
    EXPECT_EQ(Permissoes(alvo), 0640u);
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u) << "no temporary file may be left behind";
}

TEST(GravacaoAtomica, ASymbolicLinkIsWrittenThroughToItsTarget)
{
    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta.Caminho("real"));
    EscreverBytes(pasta.Caminho("real/c.cfg"), "velho");
    std::filesystem::create_symlink("real/c.cfg", pasta.Caminho("atalho.cfg"));

    GravarArquivoAtomico(pasta.Caminho("atalho.cfg"), "novo");
    EXPECT_TRUE(std::filesystem::is_symlink(pasta.Caminho("atalho.cfg")));
    EXPECT_EQ(LerBytes(pasta.Caminho("real/c.cfg")), "novo");
}

TEST(GravacaoAtomica, AFailedWriteKeepsTheOldFileAndNamesPathAndReason)
{
    PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("c.cfg");
    EscreverBytes(alvo, "velho");

    // A file size limit makes write() fail part-way, as a full disk does.
    const std::string mensagem =
        MensagemComLimiteDeTamanho(1000, [&] { GravarArquivoAtomico(alvo, std::string(5000, '0')); });

    EXPECT_THAT(mensagem, HasSubstr(alvo));
    EXPECT_THAT(mensagem, HasSubstr("o arquivo é grande demais"));
    EXPECT_EQ(LerBytes(alvo), "velho");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 1u);
}

TEST(GravacaoAtomica, AFullFilesystemKeepsTheOldFile)
{
    PastaTemporaria pasta;
    const std::string ponto = pasta.Caminho("disco");
    std::filesystem::create_directory(ponto);
    if (::mount("tmpfs", ponto.c_str(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    const std::string alvo = ponto + "/c.cfg";
    GravarArquivoAtomico(alvo, std::string(3272, '0'));

    const std::string mensagem = MensagemDe([&] { GravarArquivoAtomico(alvo, std::string(20000, '1')); });
    const std::string depois = LerBytes(alvo);
    const std::size_t arquivos = ArquivosNaPasta(ponto);
    ::umount(ponto.c_str());

    EXPECT_THAT(mensagem, HasSubstr("não há espaço livre no disco"));
    EXPECT_EQ(depois, std::string(3272, '0'));
    EXPECT_EQ(arquivos, 1u);
}

TEST(GravacaoAtomica, MissingFoldersFoldersAndReadOnlyFilesAreRefused)
{
    PastaTemporaria pasta;
    EXPECT_THAT(MensagemDe([&] { GravarArquivoAtomico(pasta.Caminho("nao/existe.cfg"), "x"); }),
                HasSubstr("arquivo ou pasta inexistente"));
    EXPECT_THAT(MensagemDe([&] { GravarArquivoAtomico(pasta.Caminho(""), "x"); }), HasSubstr("o caminho indica uma pasta"));

    const std::string protegido = pasta.Caminho("protegido.cfg");
    EscreverBytes(protegido, "velho");
    ::chmod(protegido.c_str(), 0444);
    EXPECT_THAT(MensagemDe([&] { GravarArquivoAtomico(protegido, "novo"); }), HasSubstr("permissão negada"));
    EXPECT_EQ(LerBytes(protegido), "velho");
}

TEST(GravacaoAtomica, AFolderWithoutWritePermissionIsRefused)
{
    PastaTemporaria pasta;
    const std::string fechada = pasta.Caminho("fechada");
    std::filesystem::create_directory(fechada);
    EscreverBytes(fechada + "/c.cfg", "velho");
    ::chmod(fechada.c_str(), 0555);
    ::chmod((fechada + "/c.cfg").c_str(), 0666);
    ::chmod(pasta.Caminho("").c_str(), 0755);

    // Root ignores permissions, so the write runs as an ordinary user in a child process.
    const pid_t filho = ::fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        const std::string mensagem = MensagemDe([&] { GravarArquivoAtomico(fechada + "/c.cfg", "novo"); });
        ::_exit(mensagem.find("permissão negada") != std::string::npos ? 0 : 1);
    }
    int estado = 0;
    ::waitpid(filho, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 0);
    EXPECT_EQ(LerBytes(fechada + "/c.cfg"), "velho");
}

}  // namespace
