// The rows of the session's fault table that only a POSIX system can stage: the process umask,
// permission bits, lock files that are links to nowhere, hard links, watched and failing folder
// syncs, locked temporaries and file names that are not UTF-8.

#include "Falhas.h"

#include "GravacaoAtomica.h"
#include "LinhaDeComando.h"

#include <QLineEdit>

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

// Every fsync of this program passes here, so a row can see what is synced and when, or make
// one fail as a failing disk does: given the synced file's path, the hook returns 0 to go on or
// the errno to fail with.
std::mutex travaSincronizacao;
std::function<int(const std::string&)> aoSincronizar;

struct VigiaSincronizacao {
    explicit VigiaSincronizacao(std::function<int(const std::string&)> gancho) { Trocar(std::move(gancho)); }
    ~VigiaSincronizacao() { Trocar(nullptr); }
    static void Trocar(std::function<int(const std::string&)> gancho)
    {
        const std::lock_guard trava(travaSincronizacao);
        aoSincronizar = std::move(gancho);
    }
};

}  // namespace

extern "C" int fsync(int descritor)
{
    int erro = 0;
    {
        const std::lock_guard trava(travaSincronizacao);
        if (aoSincronizar) {
            std::error_code falha;
            erro = aoSincronizar(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(descritor), falha));
        }
    }
    if (erro != 0) {
        errno = erro;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, descritor));
}

namespace {

using namespace std::chrono_literals;

const Falha TabelaPosix[] = {
    {"d_NoThreadChangesTheProcessUmask",
     [](Falhas& t) {
         const mode_t antes = ::umask(027);
         std::atomic<bool> gravando = true;
         std::thread gravador([&] {
             for (int i = 0; i < 200; ++i)
                 GravarArquivoAtomico(t.CaminhoBytes("Config/u.cfg") + std::to_string(i % 4), "x");
             gravando = false;
         });
         int outras = 0;
         while (gravando) {
             std::ifstream estado("/proc/self/status");
             for (std::string linha; std::getline(estado, linha);)
                 if (linha.starts_with("Umask:") && std::stoul(linha.substr(6), nullptr, 8) != 027)
                     ++outras;
         }
         gravador.join();
         ::umask(antes);
         EXPECT_EQ(outras, 0);
         struct stat estado {};
         ASSERT_EQ(::stat("Config/u.cfg0", &estado), 0);
         EXPECT_EQ(estado.st_mode & 0777, 0640u);
     }},
    {"e_AFolderThatCannotHoldARecoveryIsToldOnceAndStillOffersOne",
     [](Falhas& t) {
         t.SemTravas();
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(7), ""));
         t.AbrirJanela({true});
         EXPECT_EQ(t.janela->Cartao.NumLinhas, 7) << "the card left there is offered";
         t.SetaParaCima(t.janela->SpeLinhaFinal, 2);
         ASSERT_TRUE(QTest::qWaitFor([&] { return t.Avisos() > 0; }, 20000));
         QCoreApplication::processEvents();
         EXPECT_EQ(t.Avisos(), 1) << "told once, not at every change";

         // A disk that refuses the write: told once too.
         int avisos = 0;
         DiscoRecuperacao cheio = DiscoRecuperacao::Real();
         cheio.Gravar = [](const std::string&, const std::string&, unsigned) { throw std::runtime_error("cheio"); };
         QDir().mkdir("cheio");
         SessaoEdicao sessao(t.Pasta() + "cheio/", [&] { ++avisos; }, cheio, 0ms);
         sessao.TomarVaga();
         for (int linhas : {2, 3}) {
             sessao.AcompanharCartao(Falhas::Cartao(linhas), true);
             sessao.GuardarRecuperacaoAgora();
         }
         EXPECT_EQ(avisos, 1);
     }},
    {"ARecoveryFileIsAsPrivateAsItsCard",
     [](Falhas& t) {
         const mode_t antes = ::umask(022);
         t.Escrever("Config/p.cfg", ConteudoArquivoCfg(Falhas::Cartao(2)));
         ASSERT_EQ(::chmod("Config/p.cfg", 0600), 0);
         t.Escrever("Cfg.inf", t.CaminhoBytes("Config/p.cfg"));
         t.AbrirJanela();
         t.SetaParaCima(t.janela->SpeLinhaFinal);
         t.janela->GuardarRecuperacaoAgora();
         ::umask(antes);
         struct stat estado {};
         ASSERT_EQ(::stat("Recuperacao.cfg", &estado), 0);
         EXPECT_EQ(estado.st_mode & 0777, 0600u);
     }},
    {"AnInPlaceSaveHasItsCopyAndItsFolderOnDiskBeforeTheFileChanges",
     [](Falhas& t) {
         t.Escrever("Config/c.cfg", ConteudoArquivoCfg(Falhas::Cartao(1)));
         ASSERT_EQ(::link("Config/c.cfg", "Config/outro-nome.cfg"), 0);  // so it is written in place
         const std::string velho = t.Bytes("Config/c.cfg");
         const std::string pasta = t.Canonico("Config");
         bool copiaAntes = false;
         bool pastaAntes = false;
         t.AbrirJanela();
         {
             // Only the save syncs in Config: the recovery writer's thread works in the program folder.
             VigiaSincronizacao vigia([&](const std::string& sincronizado) {
                 const auto intacto = [&] { return t.Bytes("Config/c.cfg") == velho; };
                 if (sincronizado.starts_with(pasta + "/.c.cfg.") && sincronizado.ends_with("~"))
                     copiaAntes = copiaAntes || intacto();
                 if (sincronizado == pasta)
                     pastaAntes = pastaAntes || intacto();
                 return 0;
             });
             t.SalvarEditado("Config/c.cfg");
         }
         EXPECT_TRUE(t.Salvo());
         EXPECT_EQ(t.Bytes("Config/outro-nome.cfg"), ConteudoArquivoCfg(Falhas::Cartao(2))) << "written in place";
         EXPECT_TRUE(copiaAntes) << "the old content's copy is synced before the file is overwritten";
         EXPECT_TRUE(pastaAntes) << "and so is its folder, which holds the copy's name";
         EXPECT_EQ(QDir(t.Caminho("Config")).entryList(QDir::Files | QDir::Hidden).size(), 2);
     }},
    {"AFolderThatCannotBeSyncedAfterTheRenameLeavesTheCardUnsaved",
     [](Falhas& t) {
         t.AbrirJanela();
         const std::string pasta = t.Canonico("Config");
         {
             VigiaSincronizacao vigia([&](const std::string& sincronizado) { return sincronizado == pasta ? EIO : 0; });
             t.SalvarEditado("Config/e.cfg");
         }
         ASSERT_EQ(t.dialogos->Erros.size(), 1);
         EXPECT_TRUE(t.dialogos->Erros[0].contains(t.Caminho("Config/e.cfg"))) << t.dialogos->Erros[0].toStdString();
         EXPECT_FALSE(t.Salvo()) << "a rename that may not survive a power cut is no save";
         EXPECT_EQ(t.janela->EdtArquivo->text(), "");
         EXPECT_FALSE(t.Existe("Cfg.inf"));
     }},
    {"TheNextSaveOfAFileRemovesTheTemporariesItsInterruptedSaveLeft",
     [](Falhas& t) {
         const char* deixado = "Config/.c.cfg.Ab3xYz";
         const char* emUso = "Config/.c.cfg.Em9Uso";
         const char* copiaGuardada = "Config/.c.cfg.Qw2ErT~";  // named in an earlier error: the old content
         const char* deOutro = "Config/.d.cfg.Ab3xYz";
         for (const char* nome : {deixado, emUso, copiaGuardada, deOutro})
             t.Escrever(nome, "meio cartão");
         // A save running elsewhere holds its temporary locked.
         const int usado = ::open(emUso, O_RDONLY | O_CLOEXEC);
         ASSERT_EQ(::flock(usado, LOCK_EX), 0);
         t.AbrirJanela();
         t.SalvarEditado("Config/c.cfg");
         ::close(usado);
         EXPECT_TRUE(t.Salvo());
         EXPECT_FALSE(t.Existe(deixado));
         EXPECT_TRUE(t.Existe(emUso));
         EXPECT_TRUE(t.Existe(copiaGuardada));
         EXPECT_TRUE(t.Existe(deOutro));
     }},
    {"AFileNameThatIsNotUtf8OpensFromTheCommandLineAndByADrop",
     [](Falhas& t) {
         const std::string nome = "caf\xE9.cfg";
         std::ofstream(nome, std::ios::binary) << ConteudoArquivoCfg(Falhas::Cartao(7));
         char programa[] = "Ortelo";
         std::string argumento = nome;
         char* argv[] = {programa, argumento.data(), nullptr};
         const LinhaDeComando linha = InterpretarLinhaDeComando(2, argv);
         ASSERT_EQ(linha.Acao, LinhaDeComando::Pedido::Janela);
         t.AbrirJanela({}, linha.Arquivo);
         EXPECT_EQ(t.dialogos->Registro, QStringList());
         EXPECT_EQ(t.janela->Cartao.NumLinhas, 7);
         EXPECT_EQ(t.janela->EdtArquivo->text(), QString::fromUtf8("caf\uFFFD.cfg"));
         EXPECT_EQ(t.Bytes("Cfg.inf"), t.Pasta() + nome);

         QFile::remove("Cfg.inf");
         t.AbrirJanela();
         t.Soltar(t.janela.get(), {QUrl::fromEncoded(QUrl::fromLocalFile(QDir::currentPath()).toEncoded() + "/caf%E9.cfg")});
         EXPECT_EQ(t.dialogos->Registro, QStringList());
         EXPECT_EQ(t.janela->Cartao.NumLinhas, 7);
         EXPECT_EQ(t.Bytes("Cfg.inf"), t.Pasta() + nome);
     }},
};

INSTANTIATE_TEST_SUITE_P(SessaoPosix, Falhas, ::testing::ValuesIn(TabelaPosix),
                         [](const auto& info) { return std::string(info.param.Nome); });

}  // namespace
