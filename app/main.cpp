#include "TFrmConfig.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include <csignal>

int main(int argc, char** argv)
{
    // A file size limit must fail a save with an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ortelo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ortelo"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Qt's own dialogs in Portuguese, like the rest of the window.
    QTranslator traducaoQt;
    if (traducaoQt.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);

    TFrmConfig FrmConfig;
    FrmConfig.showMaximized();
    aplicacao.exec();
    return 0;
}
