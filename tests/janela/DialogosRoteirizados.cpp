#include "DialogosRoteirizados.h"

#include <gtest/gtest.h>

namespace {

std::optional<QString> ProximoArquivo(std::deque<QString>& respostas, const QString& titulo)
{
    if (respostas.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << titulo.toStdString();
        return std::nullopt;
    }
    const QString resposta = respostas.front();
    respostas.pop_front();
    if (resposta.isEmpty())
        return std::nullopt;
    return resposta;
}

}  // namespace

std::optional<QString> DialogosRoteirizados::EscolherArquivoParaAbrir(const TDialogoArquivo& dialogo)
{
    Registro << QStringLiteral("abrir: ") + dialogo.Titulo;
    UltimoDialogoArquivo = dialogo;
    return ProximoArquivo(ArquivosParaAbrir, dialogo.Titulo);
}

std::optional<QString> DialogosRoteirizados::EscolherArquivoParaSalvar(const TDialogoArquivo& dialogo)
{
    Registro << QStringLiteral("salvar: ") + dialogo.Titulo;
    UltimoDialogoArquivo = dialogo;
    return ProximoArquivo(ArquivosParaSalvar, dialogo.Titulo);
}

bool DialogosRoteirizados::PerguntarSimNao(const QString& texto)
{
    Registro << QStringLiteral("pergunta: ") + texto;
    if (Respostas.empty()) {
        ADD_FAILURE() << "unexpected question: " << texto.toStdString();
        return false;
    }
    const bool sim = Respostas.front();
    Respostas.pop_front();
    return sim;
}

void DialogosRoteirizados::Avisar(const QString& texto)
{
    Registro << QStringLiteral("aviso: ") + texto;
}

void DialogosRoteirizados::RelatarErro(const QString& razao)
{
    Registro << QStringLiteral("erro: ") + razao;
    Erros << razao;
}

void DialogosRoteirizados::MostrarAjuda(const QString& arquivoAjuda)
{
    Registro << QStringLiteral("ajuda: ") + arquivoAjuda;
}
