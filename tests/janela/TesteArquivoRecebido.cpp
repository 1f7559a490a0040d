// A card file from outside the window: the command line, and a file dropped on the window.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "LinhaDeComando.h"
#include "TBitBtn.h"
#include "TSpinEdit.h"
#include "TEdit.h"

#include <QCoreApplication>
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
        EXPECT_EQ(Bytes("Cfg.inf"), caso.lembrado ? Caminho(caso.arquivo).toStdString() : std::string());
        EXPECT_TRUE(Salvo());
    }
}

}  // namespace
