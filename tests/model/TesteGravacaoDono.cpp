#include "Apoio.h"
#include "GravacaoAtomica.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Ninguem = 65534;   // nobody / nogroup
constexpr gid_t Usuarios = 100;    // users

struct stat Estado(const std::string& caminho)
{
    struct stat estado {};
    ::stat(caminho.c_str(), &estado);
    return estado;
}

// Saves in a child process, as root or as `nobody` with the extra group `users`; returns the
// error message, "" on success, or a note when the child could not run.
std::string GravarEmOutroProcesso(bool comoUsuario, const std::string& caminho, const std::string& conteudo)
{
    int tubo[2];
    if (::pipe(tubo) != 0)
        return "pipe";
    const pid_t filho = ::fork();
    if (filho == 0) {
        ::close(tubo[0]);
        if (comoUsuario && (::setgroups(1, &Usuarios) != 0 || ::setgid(Ninguem) != 0 || ::setuid(Ninguem) != 0))
            ::_exit(2);
        const std::string mensagem = MensagemDe([&] { GravarArquivoAtomico(caminho, conteudo); });
        (void)!::write(tubo[1], mensagem.data(), mensagem.size());
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string mensagem;
    char bloco[512];
    for (ssize_t n; (n = ::read(tubo[0], bloco, sizeof bloco)) > 0;)
        mensagem.append(bloco, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(filho, &estado, 0);
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0 ? mensagem : "the child could not run";
}

TEST(GravacaoDono, OwnerGroupAndModeAreKeptByReplacingOrElseInPlace)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to other users needs root";
    struct Caso {
        const char* quem;
        bool comoUsuario;
        uid_t dono;
        gid_t grupo;
        mode_t modo;
        bool porAtalho;
        bool noLugar;  // the owner cannot be given to a new file
    };
    const Caso casos[]{
        {"root saves another user's file", false, Ninguem, Ninguem, 0660, false, false},
        {"root saves through a link", false, Ninguem, Usuarios, 0640, true, false},
        {"a user saves their file of a group of theirs", true, Ninguem, Usuarios, 0660, false, false},
        {"a user saves root's file of a group of theirs", true, 0, Usuarios, 0660, false, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.quem);
        PastaTemporaria pasta;
        ::chmod(pasta.Caminho("").c_str(), 0777);
        const std::string alvo = pasta.Caminho("c.cfg");
        EscreverBytes(alvo, "velho");
        ASSERT_EQ(::chown(alvo.c_str(), caso.dono, caso.grupo), 0);
        ASSERT_EQ(::chmod(alvo.c_str(), caso.modo), 0);
        if (caso.porAtalho)
            std::filesystem::create_symlink("c.cfg", pasta.Caminho("atalho.cfg"));
        const ino_t inode = Estado(alvo).st_ino;

        EXPECT_EQ(GravarEmOutroProcesso(caso.comoUsuario, pasta.Caminho(caso.porAtalho ? "atalho.cfg" : "c.cfg"), "novo"), "");
        const struct stat depois = Estado(alvo);
        EXPECT_EQ(LerBytes(alvo), "novo");
        EXPECT_EQ(depois.st_uid, caso.dono);
        EXPECT_EQ(depois.st_gid, caso.grupo);
        EXPECT_EQ(depois.st_mode & 07777, caso.modo);
        EXPECT_EQ(depois.st_ino == inode, caso.noLugar);
        EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), caso.porAtalho ? 2u : 1u);
    }
}

TEST(GravacaoDono, AHardLinkedFileIsWrittenInPlaceAndGetsItsOldContentBackOnFailure)
{
    PastaTemporaria pasta;
    const std::string alvo = pasta.Caminho("c.cfg");
    EscreverBytes(alvo, "velho");
    std::filesystem::create_hard_link(alvo, pasta.Caminho("outro.cfg"));

    GravarArquivoAtomico(alvo, "novo");
    EXPECT_EQ(LerBytes(pasta.Caminho("outro.cfg")), "novo");
    EXPECT_EQ(Estado(alvo).st_nlink, 2u);

    // A file size limit makes the in-place write fail part-way, after the file was cut.
    const std::string mensagem =
        MensagemComLimiteDeTamanho(1000, [&] { GravarArquivoAtomico(alvo, std::string(5000, '0')); });

    EXPECT_EQ(mensagem, "Não foi possível gravar \"" + alvo + "\": o arquivo é grande demais");
    EXPECT_EQ(LerBytes(alvo), "novo");
    EXPECT_EQ(LerBytes(pasta.Caminho("outro.cfg")), "novo");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 2u) << "the copy aside is removed";
}

TEST(GravacaoDono, FifosAndSocketsAreNeverReplaced)
{
    PastaTemporaria pasta;
    ASSERT_EQ(::mkfifo(pasta.Caminho("fila.cfg").c_str(), 0600), 0);
    std::filesystem::create_symlink("fila.cfg", pasta.Caminho("atalho.cfg"));
    const int soquete = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    pasta.Caminho("soquete.cfg").copy(endereco.sun_path, sizeof endereco.sun_path - 1);
    ASSERT_EQ(::bind(soquete, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco), 0);

    for (const std::string nome : {"fila.cfg", "atalho.cfg", "soquete.cfg"}) {
        EXPECT_EQ(MensagemDe([&] { GravarArquivoAtomico(pasta.Caminho(nome), "novo"); }),
                  "Não foi possível gravar \"" + pasta.Caminho(nome) + "\": o destino não é um arquivo comum.");
    }
    ::close(soquete);
    EXPECT_TRUE(S_ISFIFO(Estado(pasta.Caminho("fila.cfg")).st_mode));
    EXPECT_TRUE(S_ISSOCK(Estado(pasta.Caminho("soquete.cfg")).st_mode));
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho("")), 3u) << "nothing may be created";
}

}  // namespace
