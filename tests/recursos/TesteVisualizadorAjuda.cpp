// The help viewer: what it shows for a good file and for every kind of bad path, and that
// MostrarAjuda reuses one non-modal window.

#include "LeituraAjuda.h"
#include "VisualizadorAjuda.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

const QString AjudaDoBuild = QStringLiteral(ORTELO_PASTA_BUILD "/Ortelo.hlp");

void Gravar(const QString& caminho, const QByteArray& conteudo)
{
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(arquivo.write(conteudo), conteudo.size());
}

QByteArray Pagina(const char* titulo, const char* corpo)
{
    return QByteArray("<!DOCTYPE html><html><head><meta charset=\"utf-8\"/><title>") + titulo +
           "</title></head><body>" + corpo + "</body></html>";
}

QPushButton* Botao(const QWidget& janela, const QString& texto)
{
    for (QPushButton* botao : janela.findChildren<QPushButton*>())
        if (botao->text() == texto)
            return botao;
    return nullptr;
}

QList<TVisualizadorAjuda*> VisualizadoresSemDono()
{
    QList<TVisualizadorAjuda*> lista;
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<TVisualizadorAjuda*>(janela); v && !v->parent())
            lista << v;
    return lista;
}

class VisualizadorAjuda : public ::testing::Test {
protected:
    QTemporaryDir Pasta;
    QString Caminho(const char* nome) const { return Pasta.filePath(QString::fromUtf8(nome)); }
};

}  // namespace

TEST_F(VisualizadorAjuda, MostraAPaginaDeConteudoDoArquivoDeAjudaDoPrograma)
{
    TVisualizadorAjuda visualizador;
    ASSERT_TRUE(visualizador.Carregar(AjudaDoBuild));
    EXPECT_TRUE(visualizador.MostraArquivo());
    EXPECT_EQ(visualizador.TituloPagina(), QStringLiteral("Ajuda do Ortelo"));
    // Accents decoded as UTF-8, not as Latin-1.
    EXPECT_TRUE(visualizador.TextoMostrado().contains(QStringLiteral("Três divisões de 3 quadrículas (A B C)")));
    EXPECT_TRUE(visualizador.TextoMostrado().startsWith(QStringLiteral("Ajuda do Ortelo")));
    EXPECT_EQ(visualizador.windowTitle(), QStringLiteral("Ajuda do Ortelo"));
}

TEST_F(VisualizadorAjuda, ArquivoComOutraExtensaoEhLidoComoHtml)
{
    Gravar(Caminho("Teste.hlp"), Pagina("Título de teste", "<p>Conteúdo <b>em negrito</b></p>"));
    TVisualizadorAjuda visualizador;
    ASSERT_TRUE(visualizador.Carregar(Caminho("Teste.hlp")));
    EXPECT_EQ(visualizador.TituloPagina(), QStringLiteral("Título de teste"));
    EXPECT_EQ(visualizador.TextoMostrado(), QStringLiteral("Conteúdo em negrito"));
}

TEST_F(VisualizadorAjuda, CaminhosQueNaoPodemSerMostradosDaoMensagemClara)
{
    ASSERT_TRUE(QDir(Pasta.path()).mkdir(QStringLiteral("Pasta.hlp")));
    Gravar(Caminho("Vazio.hlp"), QByteArray());
    struct TCaso {
        QString Caminho;
        QString Trecho;
    } const casos[] = {
        {Caminho("Ortelo.hlp"), QStringLiteral("não foi encontrado")},
        {Caminho("Pasta.hlp"), QStringLiteral("pasta")},
        {Caminho("Vazio.hlp"), QStringLiteral("está vazio")},
        {QString(), QStringLiteral("Nenhum arquivo de ajuda")},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.Caminho.toStdString());
        TVisualizadorAjuda visualizador;
        EXPECT_FALSE(visualizador.Carregar(caso.Caminho));
        EXPECT_FALSE(visualizador.MostraArquivo());
        EXPECT_TRUE(visualizador.TituloPagina().isEmpty());
        EXPECT_TRUE(visualizador.TextoMostrado().contains(caso.Trecho)) << visualizador.TextoMostrado().toStdString();
        if (!caso.Caminho.isEmpty()) {
            EXPECT_TRUE(visualizador.TextoMostrado().contains(QDir::toNativeSeparators(caso.Caminho)));
        }
    }
}

TEST_F(VisualizadorAjuda, MensagemDeArquivoAusenteTrazOCaminhoComoTexto)
{
    TVisualizadorAjuda visualizador;
    EXPECT_FALSE(visualizador.Carregar(Caminho("<b>x</b>&amp;.hlp")));
    EXPECT_TRUE(visualizador.TextoMostrado().contains(QStringLiteral("<b>x</b>&amp;.hlp")));
    EXPECT_TRUE(visualizador.TextoMostrado().contains(QStringLiteral("O arquivo de ajuda \"")));
}

TEST_F(VisualizadorAjuda, ArquivoSemPermissaoDeLeitura)
{
    Gravar(Caminho("Fechado.hlp"), Pagina("x", "x"));
    QFile::setPermissions(Caminho("Fechado.hlp"), QFileDevice::WriteOwner);
    QFile teste(Caminho("Fechado.hlp"));
    if (teste.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "este usuário lê arquivos sem permissão de leitura";
    TVisualizadorAjuda visualizador;
    EXPECT_FALSE(visualizador.Carregar(Caminho("Fechado.hlp")));
    EXPECT_TRUE(visualizador.TextoMostrado().contains(QStringLiteral("não pôde ser lido: permissão negada.")));
}

TEST_F(VisualizadorAjuda, ArquivoGrandeDemaisNaoEhCarregado)
{
    QFile grande(Caminho("Grande.hlp"));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    ASSERT_TRUE(grande.resize(TamanhoMaximoAjuda + 1));  // sparse: costs no disk
    grande.close();
    TVisualizadorAjuda visualizador;
    EXPECT_FALSE(visualizador.Carregar(Caminho("Grande.hlp")));
    EXPECT_TRUE(visualizador.TextoMostrado().contains(QStringLiteral("grande demais")));
}

TEST_F(VisualizadorAjuda, CadaCargaSubstituiOQueEstavaNaTela)
{
    Gravar(Caminho("A.hlp"), Pagina("A", "<p>primeira versão</p>"));
    TVisualizadorAjuda visualizador;
    ASSERT_TRUE(visualizador.Carregar(Caminho("A.hlp")));

    EXPECT_FALSE(visualizador.Carregar(Caminho("Sumiu.hlp")));
    EXPECT_FALSE(visualizador.TextoMostrado().contains(QStringLiteral("primeira versão")));

    // The same file again, changed on disk meanwhile: read anew, not served from the last load.
    ASSERT_TRUE(visualizador.Carregar(Caminho("A.hlp")));
    Gravar(Caminho("A.hlp"), Pagina("A2", "<p>segunda versão</p>"));
    ASSERT_TRUE(visualizador.Carregar(Caminho("A.hlp")));
    EXPECT_EQ(visualizador.TituloPagina(), QStringLiteral("A2"));
    EXPECT_EQ(visualizador.TextoMostrado(), QStringLiteral("segunda versão"));
}

TEST_F(VisualizadorAjuda, NovaCargaVoltaAoConteudoEEsqueceOHistorico)
{
    TVisualizadorAjuda visualizador;
    visualizador.show();
    ASSERT_TRUE(visualizador.Carregar(AjudaDoBuild));
    QPushButton* voltar = Botao(visualizador, QStringLiteral("&Voltar"));
    QPushButton* conteudo = Botao(visualizador, QStringLiteral("&Conteúdo"));
    ASSERT_NE(voltar, nullptr);
    ASSERT_NE(conteudo, nullptr);
    EXPECT_FALSE(voltar->isEnabled());
    EXPECT_TRUE(conteudo->isEnabled());

    visualizador.Navegador()->setSource(QUrl(QStringLiteral("#cfg")));
    EXPECT_GT(visualizador.Navegador()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(voltar->isEnabled());

    ASSERT_TRUE(visualizador.Carregar(AjudaDoBuild));
    EXPECT_EQ(visualizador.Navegador()->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(voltar->isEnabled());

    EXPECT_FALSE(visualizador.Carregar(Caminho("Sumiu.hlp")));
    EXPECT_FALSE(conteudo->isEnabled());
}

TEST_F(VisualizadorAjuda, MostrarAjudaReusaAJanelaDaJanelaPrincipal)
{
    QWidget janelaPrincipal;
    MostrarAjuda(&janelaPrincipal, AjudaDoBuild);
    const auto visualizadores = janelaPrincipal.findChildren<TVisualizadorAjuda*>();
    ASSERT_EQ(visualizadores.size(), 1);
    TVisualizadorAjuda* visualizador = visualizadores.first();
    EXPECT_TRUE(visualizador->isWindow());
    EXPECT_TRUE(visualizador->isVisible());
    EXPECT_EQ(visualizador->windowModality(), Qt::NonModal);
    EXPECT_TRUE(visualizador->MostraArquivo());

    visualizador->close();
    MostrarAjuda(&janelaPrincipal, Caminho("Ortelo.hlp"));
    ASSERT_EQ(janelaPrincipal.findChildren<TVisualizadorAjuda*>().size(), 1);
    EXPECT_TRUE(visualizador->isVisible());
    EXPECT_TRUE(visualizador->TextoMostrado().contains(QStringLiteral("não foi encontrado")));
}

TEST_F(VisualizadorAjuda, MostrarAjudaSemJanelaPrincipalTambemReusaEApagaAoFechar)
{
    MostrarAjuda(nullptr, AjudaDoBuild);
    MostrarAjuda(nullptr, AjudaDoBuild);
    auto visualizadores = VisualizadoresSemDono();
    ASSERT_EQ(visualizadores.size(), 1);
    EXPECT_TRUE(visualizadores.first()->isVisible());

    visualizadores.first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(VisualizadoresSemDono().isEmpty());
}

TEST(VerificarArquivoAjuda, ArquivoComumLegivelPassa)
{
    const TVerificacaoAjuda verificacao = VerificarArquivoAjuda(AjudaDoBuild);
    EXPECT_TRUE(verificacao.Legivel);
    EXPECT_TRUE(verificacao.Mensagem.isEmpty());
}
