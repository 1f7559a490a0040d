#include "AparenciaDoSistema.h"
#include "Idioma.h"
#include "LinhaDeComando.h"
#include "MarcaDeExecucao.h"
#include "Plataforma.h"
#include "PluginsAdiados.h"
#include "TFrmConfig.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // A file size limit must fail a save with an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif

    // Read before any window exists, so help, version and usage errors need no display.
    const LinhaDeComando linha = InterpretarLinhaDeComando(argc, argv);
    switch (linha.Acao) {
    case LinhaDeComando::Pedido::Ajuda:
        ResponderLinhaDeComando(TextoDeAjuda(), false);
        return 0;
    case LinhaDeComando::Pedido::Versao:
        ResponderLinhaDeComando(TextoDeVersao(), false);
        return 0;
    case LinhaDeComando::Pedido::ErroDeUso:
        ResponderLinhaDeComando(TextoDeErroDeUso(linha.Erro), true);
        return SaidaErroDeUso;
    case LinhaDeComando::Pedido::Janela:
        break;
    }

    MarcarEmExecucao();

    // Qt's own options are not taken: only the program's name goes in.
    char programa[] = "Ortelo";
    int quantos = 1;
    char* nome[] = {argc > 0 ? argv[0] : programa, nullptr};
    QApplication aplicacao(quantos, nome);
    QApplication::setApplicationName(QStringLiteral("Ortelo"));
    UsarAparenciaDoSistema();

    UsarPortuguesDoBrasil();

    TFrmConfig FrmConfig(nullptr, linha.Arquivo);
    AdiarPluginsAtePrimeiraPintura(FrmConfig);
    FrmConfig.showMaximized();
    aplicacao.exec();
    return 0;
}
