#include "Idioma.h"
#include "PluginsAdiados.h"
#include "TFrmConfig.h"

#include <QApplication>
#include <QStyleFactory>

#include <csignal>

int main(int argc, char** argv)
{
    // A file size limit must fail a save with an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // The program takes no command line, not even Qt's own options: only the program's name goes in.
    char programa[] = "Ortelo";
    int argumentos = 1;
    char* nome[] = {argc > 0 ? argv[0] : programa, nullptr};
    QApplication aplicacao(argumentos, nome);
    QApplication::setApplicationName(QStringLiteral("Ortelo"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    UsarPortuguesDoBrasil();

    TFrmConfig FrmConfig;
    AdiarPluginsAtePrimeiraPintura(FrmConfig);
    FrmConfig.showMaximized();
    aplicacao.exec();
    return 0;
}
