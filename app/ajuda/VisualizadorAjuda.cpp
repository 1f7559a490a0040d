#include "VisualizadorAjuda.h"

#include "Figuras.h"
#include "LeituraAjuda.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TVisualizadorAjuda::TVisualizadorAjuda(QWidget* janelaPrincipal)
    : QWidget(janelaPrincipal, Qt::Window)
{
    setWindowTitle(QStringLiteral("Ajuda do Ortelo"));
    setWindowIcon(FiguraAjuda());
    resize(680, 620);
    CriarControles();
}

void TVisualizadorAjuda::CriarControles()
{
    FBotaoConteudo = new QPushButton(QStringLiteral("&Conteúdo"), this);
    FBotaoVoltar = new QPushButton(QStringLiteral("&Voltar"), this);
    FBotaoAvancar = new QPushButton(QStringLiteral("A&vançar"), this);
    auto* fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    FBotaoVoltar->setEnabled(false);
    FBotaoAvancar->setEnabled(false);
    FBotaoConteudo->setEnabled(false);

    FNavegador = new QTextBrowser(this);
    FNavegador->setOpenExternalLinks(true);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(FBotaoConteudo);
    botoes->addWidget(FBotaoVoltar);
    botoes->addWidget(FBotaoAvancar);
    botoes->addStretch();
    botoes->addWidget(fechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(botoes);
    coluna->addWidget(FNavegador);

    connect(FBotaoConteudo, &QPushButton::clicked, FNavegador, &QTextBrowser::home);
    connect(FBotaoVoltar, &QPushButton::clicked, FNavegador, &QTextBrowser::backward);
    connect(FBotaoAvancar, &QPushButton::clicked, FNavegador, &QTextBrowser::forward);
    connect(FNavegador, &QTextBrowser::backwardAvailable, FBotaoVoltar, &QPushButton::setEnabled);
    connect(FNavegador, &QTextBrowser::forwardAvailable, FBotaoAvancar, &QPushButton::setEnabled);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

bool TVisualizadorAjuda::Carregar(const QString& caminhoArquivo)
{
    const TVerificacaoAjuda verificacao = VerificarArquivoAjuda(caminhoArquivo);
    if (!verificacao.Legivel) {
        MostrarMensagem(verificacao.Mensagem);
        return false;
    }
    const QUrl endereco = QUrl::fromLocalFile(QFileInfo(caminhoArquivo).absoluteFilePath());
    // The browser skips loading a source it already shows, but the file may have changed.
    if (FNavegador->source() == endereco)
        FNavegador->reload();
    else
        FNavegador->setSource(endereco, QTextDocument::HtmlResource);
    FNavegador->clearHistory();
    FNavegador->verticalScrollBar()->setValue(0);
    FMostraArquivo = true;
    FBotaoConteudo->setEnabled(true);
    return true;
}

void TVisualizadorAjuda::MostrarMensagem(const QString& mensagem)
{
    FNavegador->setHtml(QStringLiteral("<h3>Ajuda indisponível</h3><p>%1</p>").arg(mensagem.toHtmlEscaped()));
    FNavegador->clearHistory();
    FMostraArquivo = false;
    FBotaoConteudo->setEnabled(false);
}

QString TVisualizadorAjuda::TextoMostrado() const { return FNavegador->toPlainText(); }

QString TVisualizadorAjuda::TituloPagina() const
{
    return FMostraArquivo ? FNavegador->documentTitle() : QString();
}

void MostrarAjuda(QWidget* janelaPrincipal, const QString& caminhoArquivo)
{
    // Without a main window the viewer has no owner: it deletes itself when closed.
    static QPointer<TVisualizadorAjuda> semDono;

    TVisualizadorAjuda* visualizador =
        janelaPrincipal ? janelaPrincipal->findChild<TVisualizadorAjuda*>(QString(), Qt::FindDirectChildrenOnly)
                        : semDono.data();
    if (!visualizador) {
        visualizador = new TVisualizadorAjuda(janelaPrincipal);
        if (!janelaPrincipal) {
            visualizador->setAttribute(Qt::WA_DeleteOnClose);
            semDono = visualizador;
        }
    }
    visualizador->Carregar(caminhoArquivo);
    if (visualizador->isMinimized())
        visualizador->showNormal();
    else
        visualizador->show();
    visualizador->raise();
    visualizador->activateWindow();
}
