#pragma once

#include <QString>

#include <optional>

// The properties of an open or save dialog, set once by the window and shown by the file commands.
struct TDialogoArquivo {
    QString Titulo;
    QString Filtro;          // "Configuração (*.cfg)"
    QString ExtensaoPadrao;  // added when the operator gives a name without one
    QString PastaInicial;
    QString NomeArquivo;     // the name proposed when the dialog opens
    bool ConfirmarSubstituicao = false;
    bool Redimensionavel = true;
};

// Every modal interaction of the window goes through here, so tests can answer it.
class Dialogos {
public:
    virtual ~Dialogos() = default;

    // The full path chosen, or nothing when the operator cancelled.
    virtual std::optional<QString> EscolherArquivoParaAbrir(const TDialogoArquivo& dialogo) = 0;
    virtual std::optional<QString> EscolherArquivoParaSalvar(const TDialogoArquivo& dialogo) = 0;

    // A question captioned "Erro!" with Yes (the default) and No; true for Yes.
    virtual bool PerguntarSimNao(const QString& texto) = 0;

    // A message captioned "Erro!" with an OK button.
    virtual void Avisar(const QString& texto) = 0;

    // The general report of an error that escaped a handler.
    virtual void RelatarErro(const QString& razao) = 0;

    // Shows the contents page of a help file; the viewer reports a missing file itself.
    virtual void MostrarAjuda(const QString& arquivoAjuda) = 0;
};
