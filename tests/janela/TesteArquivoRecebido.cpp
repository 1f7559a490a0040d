// A card file from outside the window: the command line, and a file dropped on the window.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "ArquivoSoltado.h"
#include "LinhaDeComando.h"
#include "Plataforma.h"
#include "Textos.h"
#include "TBitBtn.h"
#include "TSpinEdit.h"
#include "TEdit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

const QString Pergunta = "pergunta: O arquivo não foi salvo. Salvar antes de abrir um arquivo novo?";
const QString Recusa = "aviso: O arquivo não foi encontrado ou houve erro de leitura do arquivo.\n"
                       "A linha 1 não é um número inteiro.";

TEST(LinhaDeComando, OneFileOrAnAnswerWithoutAWindow)
{
    using A = LinhaDeComando::Pedido;
    const struct {
        QStringList argumentos;
        A acao;
        QString arquivo;
    } casos[] = {
        {{}, A::Janela, ""},
        {{"cartao.cfg"}, A::Janela, "cartao.cfg"},
        {{"--help"}, A::Ajuda, ""},
        {{"cartao.cfg", "--version"}, A::Versao, ""},
        {{"--", "-x.cfg"}, A::Janela, "-x.cfg"},
        {{"-"}, A::Janela, "-"},
        {{"--ajuda"}, A::ErroDeUso, ""},
        {{"-h"}, A::ErroDeUso, ""},
        {{"a.cfg", "b.cfg"}, A::ErroDeUso, ""},
        {{""}, A::ErroDeUso, ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.argumentos.join(' ').toStdString());
        const LinhaDeComando linha = InterpretarLinhaDeComando(caso.argumentos);
        EXPECT_EQ(linha.Acao, caso.acao);
        EXPECT_EQ(linha.Arquivo, caso.arquivo);
        EXPECT_EQ(linha.Erro.isEmpty(), caso.acao != A::ErroDeUso);
    }
    EXPECT_TRUE(TextoDeAjuda().startsWith("Uso: ortelo [ARQUIVO]\n"));
    EXPECT_EQ(TextoDeVersao(), "Ortelo 1.0\n");
    EXPECT_EQ(TextoDeErroDeUso("opção desconhecida: --x"),
              "ortelo: opção desconhecida: --x\nUso: ortelo [ARQUIVO]\nUse \"ortelo --help\" para mais informações.\n");
}

class ArquivoRecebido : public JanelaTeste {
protected:
    TCartao Cartao(int linhas) const
    {
        TCartao cartao;
        IniciarPadroes(cartao);
        MontarCartaoNovo(cartao);
        cartao.NumLinhas = linhas;
        cartao.Grupos[1].LinhaFinal = linhas;
        cartao.PortaSerial = 3;
        return cartao;
    }

    void Soltar(QWidget* alvo, const QList<QUrl>& enderecos)
    {
        QMimeData dados;
        dados.setUrls(enderecos);
        QDragEnterEvent entrar(QPoint(5, 5), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(alvo, &entrar);
        QDropEvent soltar(QPointF(5, 5), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(alvo, &soltar);
        QCoreApplication::processEvents();  // the file opens once the drop has ended
    }
};

// Each way in: what was asked, the card then shown and what Cfg.inf remembers.
TEST_F(ArquivoRecebido, OpensAsOpenDoesWithTheQuestionFirstAndTheSameMessages)
{
    Escrever("bom.cfg", ConteudoArquivoCfg(Cartao(7)));
    Escrever("ruim.cfg", "x\r\n");
    enum Via { Linha, LinhaNativa, Solto, SoltoNoNome, SoltoAlterado };
    const struct {
        Via via;
        QString arquivo;
        QStringList registro;
        int linhas;
        bool lembrado;
    } casos[] = {
        {Linha, "bom.cfg", {}, 7, true},
        {Linha, "ruim.cfg", {Recusa}, 1, false},
        {LinhaNativa, "bom.cfg", {}, 7, true},  // with the system's separators, as a desktop gives it
        {Solto, "bom.cfg", {}, 7, true},
        {SoltoNoNome, "bom.cfg", {}, 7, true},
        {Solto, "ruim.cfg", {Recusa}, 1, false},
        {SoltoAlterado, "bom.cfg", {Pergunta}, 7, true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.arquivo.toStdString() + " via " + std::to_string(caso.via));
        QFile::remove(Caminho("Cfg.inf"));
        // Relative on the command line: found from the current directory, as a terminal has it.
        AbrirJanela({}, caso.via == Linha         ? caso.arquivo
                        : caso.via == LinhaNativa ? QDir::toNativeSeparators(Caminho(caso.arquivo))
                                                  : QString());
        if (caso.via == SoltoAlterado) {
            SetaParaCima(janela->SpeLinhaFinal);
            dialogos->Respostas.push_back(false);
        }
        if (caso.via != Linha && caso.via != LinhaNativa)
            Soltar(caso.via == SoltoNoNome ? static_cast<QWidget*>(janela->EdtNome) : janela.get(),
                   {QUrl::fromLocalFile(Caminho(caso.arquivo))});
        EXPECT_EQ(dialogos->Registro, caso.registro);
        EXPECT_EQ(janela->Cartao.NumLinhas, caso.linhas);
        EXPECT_EQ(janela->EdtArquivo->text(), caso.linhas == 7 ? caso.arquivo : QString());
        EXPECT_EQ(janela->EdtNome->text(), "");
        EXPECT_EQ(Bytes("Cfg.inf"), caso.lembrado ? QDir::toNativeSeparators(Caminho(caso.arquivo)).toStdString() : std::string());
        EXPECT_TRUE(Salvo());
    }
}

// What one system makes of names and addresses the other has no such meaning for.
class SistemaWindows : public ArquivoRecebido {
protected:
    static QString Recusa(const QString& caminho, const QString& dispositivo)
    {
        return QStringLiteral("\"%1\" não pode ser usado: %2 é o nome de um dispositivo do Windows, não de um arquivo. "
                              "Escolha outro nome.")
            .arg(caminho, dispositivo);
    }
};
class SistemaLinux : public ArquivoRecebido {};

// "Abrir com", a double-click on a card, or a prompt in the card's folder: wherever Windows starts
// the program, its files stay beside it.
TEST_F(SistemaWindows, AStartInTheCardsFolderKeepsCfgInfAndTheRecoveryBesideTheProgram)
{
    const QString programa = QFileInfo(ArquivoDoProgramaDoTeste()).absolutePath();
    QTemporaryDir cartoes;
    QFile cartao(cartoes.filePath("bom.cfg"));
    ASSERT_TRUE(cartao.open(QIODevice::WriteOnly));
    cartao.write(QByteArray::fromStdString(ConteudoArquivoCfg(Cartao(7))));
    cartao.close();
    QDir::setCurrent(cartoes.path());
    EXPECT_EQ(QFileInfo(ArquivoDoPrograma()).canonicalFilePath(),
              QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath())
        << "the running program's own file, whatever the working directory";

    AbrirJanela({}, QStringLiteral("bom.cfg"));
    EXPECT_EQ(janela->DirPrograma, programa + "/");
    EXPECT_EQ(janela->Cartao.NumLinhas, 7);
    EXPECT_EQ(Bytes("Cfg.inf"), QDir::toNativeSeparators(cartoes.filePath("bom.cfg")).toStdString());
    SetaParaCima(janela->SpeLinhaFinal);
    janela->GuardarRecuperacaoAgora();
    EXPECT_TRUE(QFile::exists(Caminho("Recuperacao.cfg")));
    EXPECT_EQ(QDir(cartoes.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"bom.cfg"})
        << "nothing of the program's in the card's folder";
    janela.reset();
    QDir::setCurrent(programa);  // a folder in use cannot be removed
}

TEST_F(SistemaWindows, DeviceNamesAreRefusedUntouchedInOpenSaveTheCommandLineAndADrop)
{
    AbrirJanela();
    dialogos->ArquivosParaAbrir = {Caminho("COM3.cfg")};
    Clicar(janela->BitAbrir);
    SetaParaCima(janela->SpeLinhaFinal);
    dialogos->ArquivosParaSalvar = {Caminho("nul .txt")};
    Clicar(janela->BitSalvar);
    Soltar(janela.get(), {QUrl::fromLocalFile(Caminho("lpt1.CFG"))});
    EXPECT_EQ(dialogos->Registro,
              QStringList({"abrir: " + Textos::TituloAbrir, "aviso: " + Textos::ErroDeLeitura + "\n" + Recusa(Caminho("COM3.cfg"), "COM3"),
                           "salvar: " + Textos::TituloSalvar, "erro: " + Recusa(Caminho("nul .txt"), "nul"),
                           "aviso: " + Recusa(Caminho("lpt1.CFG"), "lpt1")}));
    EXPECT_FALSE(Salvo()) << "the edit is still to be saved";
    EXPECT_EQ(Bytes("Cfg.inf"), "");

    const LinhaDeComando linha = InterpretarLinhaDeComando({"COM3.tar.gz"});
    EXPECT_EQ(linha.Acao, LinhaDeComando::Pedido::ErroDeUso);
    EXPECT_EQ(linha.Erro, Recusa("COM3.tar.gz", "COM3"));
}

TEST_F(SistemaLinux, DeviceNamesOfWindowsAreOrdinaryFiles)
{
    Escrever("COM3.cfg", ConteudoArquivoCfg(Cartao(7)));
    AbrirJanela();
    dialogos->ArquivosParaAbrir = {Caminho("COM3.cfg")};
    Clicar(janela->BitAbrir);
    EXPECT_EQ(janela->Cartao.NumLinhas, 7);
    dialogos->ArquivosParaSalvar = {Caminho("nul .txt")};
    SetaParaCima(janela->SpeLinhaFinal);
    Clicar(janela->BitSalvar);
    EXPECT_EQ(Bytes("nul .txt"), ConteudoArquivoCfg(janela->Cartao));
    EXPECT_EQ(InterpretarLinhaDeComando({"COM3.tar.gz"}).Arquivo, "COM3.tar.gz");
}

// A file address with a host, as a file manager gives a share's file.
TEST_F(SistemaWindows, AFileAddressWithAHostIsANetworkShare)
{
    QMimeData dados;
    dados.setUrls({QUrl("file://servidor/pasta/cartao.cfg")});
    const Soltura soltura = AnalisarSoltura(&dados);
    EXPECT_EQ(soltura.Arquivo, QStringLiteral("//servidor/pasta/cartao.cfg"));
    EXPECT_EQ(soltura.Recusa, "");
}

TEST_F(SistemaLinux, AFileAddressWithAHostIsAnotherComputers)
{
    QMimeData dados;
    dados.setUrls({QUrl("file://outra-maquina/bom.cfg")});
    const Soltura soltura = AnalisarSoltura(&dados);
    EXPECT_FALSE(soltura.Arquivo.has_value());
    EXPECT_EQ(soltura.Recusa, Textos::SolturaDeOutroComputador.arg("file://outra-maquina/bom.cfg"));
}

}  // namespace
