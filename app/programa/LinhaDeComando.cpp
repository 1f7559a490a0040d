#include "LinhaDeComando.h"

#include "CaminhoDoSistema.h"
#include "Console.h"
#include "NomeDeDispositivo.h"
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
        } else if (const auto recusa = RecusaDeDispositivo(BytesDoCaminho(arquivos.front()).toStdString())) {
            // Refused as given: made absolute, a device's name would become the device's own path.
            linha.Acao = LinhaDeComando::Pedido::ErroDeUso;
            linha.Erro = QString::fromStdString(*recusa);
        } else {
            linha.Arquivo = arquivos.front();
        }
    }
    return linha;
}

LinhaDeComando InterpretarLinhaDeComando(int argc, char** argv)
{
    QStringList argumentos;
    for (const std::string& argumento : ArgumentosDoProcesso(argc, argv))
        argumentos.append(CaminhoDeBytes(QByteArray::fromStdString(argumento)));
    LinhaDeComando linha = InterpretarLinhaDeComando(argumentos);
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
