#pragma once

#include "Dialogos.h"

class QWidget;

// The dialogs as the operator sees them: Qt's file dialogs and message boxes over the window.
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
