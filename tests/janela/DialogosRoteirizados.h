#pragma once

#include "Dialogos.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// Dialogs for tests: every question is recorded, and answered from prepared answers.
// A question with no answer prepared fails the test instead of blocking it.
class DialogosRoteirizados : public Dialogos {
public:
    std::optional<QString> EscolherArquivoParaAbrir(const TDialogoArquivo& dialogo) override;
    std::optional<QString> EscolherArquivoParaSalvar(const TDialogoArquivo& dialogo) override;
    bool PerguntarSimNao(const QString& texto) override;
    void Avisar(const QString& texto) override;
    void RelatarErro(const QString& razao) override;
    void MostrarAjuda(const QString& arquivoAjuda) override;

    // Prepared answers, taken in order. Cancelar (an empty path) cancels a file dialog.
    static inline const QString Cancelar;
    std::deque<QString> ArquivosParaAbrir;
    std::deque<QString> ArquivosParaSalvar;
    std::deque<bool> Respostas;

    // What the window asked, in order, as "kind: text".
    QStringList Registro;
    std::optional<TDialogoArquivo> UltimoDialogoArquivo;
    QStringList Erros;
};
