#include "LinhaDeComando.h"

#include "Plataforma.h"
#include "Textos.h"

LinhaDeComando InterpretarLinhaDeComando(const QStringList& argumentos)
{
    LinhaDeComando linha;
    bool fimDasOpcoes = false;
    QStringList arquivos;
    for (const QString& argumento : argumentos) {
        if (!fimDasOpcoes && argumento == QStringLiteral("--")) {
            fimDasOpcoes = true;
        } else if (!fimDasOpcoes && argumento == QStringLiteral("--help")) {
            linha.Acao = LinhaDeComando::Pedido::Ajuda;
            return linha;
        } else if (!fimDasOpcoes && argumento == QStringLiteral("--version")) {
            linha.Acao = LinhaDeComando::Pedido::Versao;
            return linha;
        } else if (!fimDasOpcoes && argumento.startsWith(QLatin1Char('-')) && argumento.size() > 1) {
            linha.Acao = LinhaDeComando::Pedido::ErroDeUso;
            linha.Erro = Textos::OpcaoDesconhecida.arg(argumento);
            return linha;
        } else {
            arquivos.append(argumento);
        }
    }
    if (arquivos.size() > 1) {
        linha.Acao = LinhaDeComando::Pedido::ErroDeUso;
        linha.Erro = Textos::ArquivosDemais;
    } else if (arquivos.size() == 1) {
        if (arquivos.front().isEmpty()) {
            linha.Acao = LinhaDeComando::Pedido::ErroDeUso;
            linha.Erro = Textos::ArquivoVazio;
        } else {
            linha.Arquivo = arquivos.front();
        }
    }
    return linha;
}

LinhaDeComando InterpretarLinhaDeComando(int argc, char** argv)
{
    LinhaDeComando linha = InterpretarLinhaDeComando(ArgumentosDoSistema(argc, argv));
    if (!linha.Arquivo.isEmpty())
        linha.Arquivo = CaminhoAbsoluto(linha.Arquivo);
    return linha;
}

QString TextoDeAjuda()
{
    return Textos::AjudaLinhaDeComando;
}

QString TextoDeVersao()
{
    return Textos::VersaoDoPrograma.arg(QStringLiteral(ORTELO_VERSAO));
}

QString TextoDeErroDeUso(const QString& erro)
{
    return QStringLiteral("ortelo: ") + erro + QLatin1Char('\n') + Textos::UsoResumido;
}
