#pragma once

// The help window: a non-modal top-level window that shows the help file (HTML) with buttons for
// the contents page, back and forward. A file that cannot be shown gets a clear message inside
// the window. Each main window has one viewer, reused by every call of MostrarAjuda.

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class TVisualizadorAjuda : public QWidget {
    Q_OBJECT

public:
    explicit TVisualizadorAjuda(QWidget* janelaPrincipal = nullptr);

    // Shows the file's contents page (its top), reading the file anew; when the file cannot be
    // shown, shows why instead. True when the file is shown.
    bool Carregar(const QString& caminhoArquivo);

    bool MostraArquivo() const { return FMostraArquivo; }
    QString TextoMostrado() const;  // what the page shows, as plain text
    QString TituloPagina() const;   // the page's title; empty while a message is shown
    QTextBrowser* Navegador() const { return FNavegador; }

private:
    void CriarControles();
    void MostrarMensagem(const QString& mensagem);

    QTextBrowser* FNavegador = nullptr;
    QPushButton* FBotaoConteudo = nullptr;
    QPushButton* FBotaoVoltar = nullptr;
    QPushButton* FBotaoAvancar = nullptr;
    bool FMostraArquivo = false;
};

// Shows the help file in the main window's viewer, creating the viewer on first use, and brings
// the viewer to the front. Never blocks and never fails: problems show inside the viewer.
void MostrarAjuda(QWidget* janelaPrincipal, const QString& caminhoArquivo);
