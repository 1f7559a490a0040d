#pragma once

#include "Dialogos.h"

class QWidget;

// The dialogs as the operator sees them over the window: Qt's message boxes, and the file dialogs
// of the system's kind (Qt's own on Linux, the system's on Windows).
class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(QWidget* janela) : janela_(janela) {}

    std::optional<QString> EscolherArquivoParaAbrir(const TDialogoArquivo& dialogo) override;
    std::optional<QString> EscolherArquivoParaSalvar(const TDialogoArquivo& dialogo) override;
    bool PerguntarSimNao(const QString& texto) override;
    void Avisar(const QString& texto) override;
    void RelatarErro(const QString& razao) override;
    void MostrarAjuda(const QString& arquivoAjuda) override;

private:
    QWidget* janela_;
};
